#include "app/application.h"

#include "app/appwindows.h"
#include "app/mainwindow.h"
#include "app/qttranslations.h"
#include "data/appinfo.h"
#include "data/datamodule.h"
#include "printing/agreementexport.h"
#include "printing/dossierexport.h"
#include "printing/interactiveui.h"
#include "printing/sheetexport.h"
#include "widgets/uifonts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

// Without a display Qt would print a page of plugin diagnostics; say it in one line instead.
bool displayAvailable()
{
#if defined(Q_OS_LINUX)
    if (std::getenv("QT_QPA_PLATFORM"))
        return true;
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
#else
    return true;
#endif
}

// Whether an argument starts with `name`.
bool hasOption(int argc, char **argv, const char *name)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], name, std::strlen(name)) == 0)
            return true;
    }
    return false;
}

} // namespace

int runVelmora(int argc, char **argv)
{
    // A batch export needs no screen.
    const bool headless = hasOption(argc, argv, "--export-");
    if (headless && !displayAvailable())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the export's own messages only: give Qt the private runtime directory
    // it would otherwise complain about.
    if (headless && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::temp().filePath(QStringLiteral("velmora-runtime-%1").arg(getuid()));
        if (QDir().mkpath(runtime)) {
            QFile::setPermissions(
                runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        }
    }
    if (!displayAvailable()) {
        std::fprintf(stderr,
            "velmora: aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY) ; pour lancer "
            "sans écran : QT_QPA_PLATFORM=offscreen velmora\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    installQtTranslations(&app);
    // Every date of the program is shown, typed and printed as dd/mm/yyyy, times as hh:mm:ss.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    QCommandLineParser parser;
    parser.setApplicationDescription(AppInfo::title());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
        QStringLiteral("Dossier qui tient lieu de celui du programme : la base de "
                       "données est créée dans DOSSIER/Base de données employeur."),
        QStringLiteral("DOSSIER"));
    parser.addOption(dataDir);
    const QCommandLineOption exportDossier(QStringLiteral("export-dossier"),
        QStringLiteral("Écrit le dossier de l'expatrie N en PDF, sans fenêtre."), QStringLiteral("N"));
    const QCommandLineOption output(QStringLiteral("output"),
        QStringLiteral("Dossier où l'export écrit ses fichiers PDF."), QStringLiteral("OUT"));
    const QCommandLineOption exportFiche(QStringLiteral("export-fiche"),
        QStringLiteral("Écrit la fiche d'identification de l'employeur NOM en PDF, "
                       "sans fenêtre."),
        QStringLiteral("NOM"));
    const QCommandLineOption exportAgreement(QStringLiteral("export-ap01"),
        QStringLiteral("Écrit le formulaire AP N° 01 du projet PROJET en PDF, "
                       "sans fenêtre."),
        QStringLiteral("PROJET"));
    const QCommandLineOption forms(QStringLiteral("forms"),
        QStringLiteral("Avec --export-dossier : n'écrit que ces formulaires (anx_04_bis,contrat1,…), "
                       "dans l'ordre du dossier, au lieu du choix automatique."),
        QStringLiteral("FORMULAIRES"));
    parser.addOption(exportDossier);
    parser.addOption(forms);
    parser.addOption(exportFiche);
    parser.addOption(exportAgreement);
    parser.addOption(output);
    parser.process(app);

    const QString base = parser.isSet(dataDir) ? QDir(parser.value(dataDir)).absolutePath()
                                               : QApplication::applicationDirPath();
    installUiFonts();

    if (parser.isSet(forms) && !parser.isSet(exportDossier)) {
        std::fprintf(stderr, "velmora: --forms ne s'emploie qu'avec --export-dossier N\n");
        return 2;
    }
    if (parser.isSet(exportFiche) || parser.isSet(exportAgreement)) {
        QTextStream errors(stderr);
        if (!parser.isSet(output)) {
            errors << "velmora: l'export demande --output DOSSIER" << Qt::endl;
            return 1;
        }
        DataModule data;
        const QString out = QDir(parser.value(output)).absolutePath();
        if (parser.isSet(exportFiche))
            return SheetExport::run(data, base, parser.value(exportFiche), out, errors);
        return AgreementExport::run(data, base, parser.value(exportAgreement), out, errors);
    }
    if (parser.isSet(exportDossier)) {
        QTextStream errors(stderr);
        bool ok = false;
        const int number = parser.value(exportDossier).toInt(&ok);
        if (!ok || !parser.isSet(output)) {
            errors << "velmora: --export-dossier N demande un numéro d'expatrie et --output DOSSIER"
                   << Qt::endl;
            return 1;
        }
        DataModule data;
        DossierExport exporter(data, QDir(parser.value(output)).absolutePath(), errors);
        if (parser.isSet(forms)
            && !exporter.chooseForms(parser.value(forms).split(QLatin1Char(','), Qt::SkipEmptyParts)))
            return 2;
        return exporter.run(base, number);
    }

    InteractiveUi ui;
    MainWindow window(base, ui);
    AppWindows windows(&window);
    window.attachWindows(&windows);
    QObject::connect(&window, &MainWindow::quitRequested, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    return app.exec();
}
