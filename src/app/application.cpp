#include "app/application.h"

#include "app/appwindows.h"
#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/qttranslations.h"
#include "app/sharedstore.h"
#include "data/activation.h"
#include "data/appinfo.h"
#include "data/backupstore.h"
#include "data/datamodule.h"
#include "data/paradoximport.h"
#include "printing/agreementexport.h"
#include "printing/batchexport.h"
#include "printing/dossierexport.h"
#include "printing/interactiveui.h"
#include "printing/sheetexport.h"
#include "widgets/uifonts.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
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

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

int usageError(const QString &error)
{
    print(stderr, QStringLiteral("velmora: %1\n%2\n").arg(error, CommandLine::usageLine()));
    return 2;
}

// The executable's folder, known before Qt starts (the help is answered without it).
QString programDirectory(const char *argv0)
{
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    return QFileInfo(QFile::decodeName(argv0)).absoluteDir().absolutePath();
}

// The folder standing for the program's: --data-dir, or the program's folder when it is usable,
// or the user's data folder.
QString baseDirectory(const CommandLine &line, const char *argv0)
{
    if (!line.dataDirectory().isEmpty())
        return QDir(line.dataDirectory()).absolutePath();
    return Activation::defaultBaseDirectory(
        programDirectory(argv0), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// Qt complains when it has no private runtime directory; give it one so that standard error and
// the terminal behind the window carry the program's own messages only.
void provideRuntimeDirectory()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString runtime = QDir::temp().filePath(QStringLiteral("velmora-runtime-%1").arg(getuid()));
    if (QDir().mkpath(runtime)) {
        QFile::setPermissions(
            runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
}

// An export's standard error is for its own messages: Qt's diagnostics are dropped, its errors
// said as the program's.
void exportMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtCriticalMsg && type != QtFatalMsg)
        return;
    const QString line = BatchExport::terminalLine(message);
    if (!line.isEmpty())
        print(stderr, line + QLatin1Char('\n'));
}

int runExport(const CommandLine &line, const QString &base)
{
    if (!Activation::isServerAddress(base) && !QFileInfo(Activation::databaseDirectory(base)).isDir()) {
        print(stderr, QStringLiteral("velmora: aucune base de données dans « %1 »\n").arg(base));
        return 2;
    }
    // Every message of the exports goes out through BatchExport::say, one terminal line each.
    QTextStream errors(stderr);
    DataModule data;
    const QString out = QDir(line.output()).absolutePath();
    switch (line.action()) {
    case CommandLine::Action::ExportSheet:
        return SheetExport::run(data, base, line.subject(), out, errors);
    case CommandLine::Action::ExportAgreement:
        return AgreementExport::run(data, base, line.subject(), out, errors);
    default:
        break;
    }
    DossierExport exporter(data, out, errors);
    exporter.setCheckOnly(line.action() == CommandLine::Action::CheckDossier);
    exporter.setSinglePdf(line.singlePdf());
    if (!line.forms().isEmpty() && !exporter.chooseForms(line.forms()))
        return 2;
    return exporter.run(base, line.workerNumber());
}

// Each line of a message on a line of its own after "velmora: ".
void sayLines(const QString &text)
{
    for (const QString &said : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        print(stderr, QStringLiteral("velmora: %1\n").arg(said));
}

// --backup and --restore: the archive is written, or checked and put in place of the store.
int runArchive(const CommandLine &line, const QString &base)
{
    const QString dir = Activation::databaseDirectory(base);
    if (!QFileInfo(dir).isDir()) {
        print(stderr, QStringLiteral("velmora: aucune base de données dans « %1 »\n").arg(base));
        return 2;
    }
    const QString archive = QFileInfo(line.subject()).absoluteFilePath();
    BackupStore store(dir);
    if (line.action() == CommandLine::Action::Backup) {
        if (store.writeArchive(archive, QDateTime::currentDateTime()))
            return 0;
        print(stderr, QStringLiteral("velmora: %1\n").arg(store.lastError()));
        return 1;
    }
    if (!store.stage(archive)) {
        print(stderr, QStringLiteral("velmora: %1\n").arg(store.lastError()));
        return 2;
    }
    // Refused while another copy has the store open: nothing was touched.
    if (!store.replaceStore(QDateTime::currentDateTime())) {
        print(stderr, QStringLiteral("velmora: %1\n").arg(store.lastError()));
        return store.refused() ? 2 : 1;
    }
    print(stderr,
        QStringLiteral("velmora: %1 restaurée ; la base d'avant est gardée dans « %2 »\n")
            .arg(BackupStore::describe(store.summary()).chopped(1),
                QDir::toNativeSeparators(store.setAsidePath())));
    sayLines(store.setAsideNote());
    return 0;
}

// --import-paradox: the old base's tables into an empty store (created when missing), or in place
// when the folder is the database directory itself; the counts and the notes on standard error.
// On a server's base, the report is written in the old folder.
int runImport(const CommandLine &line, const QString &store, const QString &base)
{
    const QString old = QFileInfo(line.subject()).absoluteFilePath();
    if (!QFileInfo(old).isDir()) {
        print(stderr, QStringLiteral("velmora: le dossier « %1 » n'existe pas\n").arg(old));
        return 2;
    }
    DataModule data;
    ParadoxImport import(data);
    const QDateTime now = QDateTime::currentDateTime();
    const bool server = Activation::isServerAddress(store);
    const QString dir = server ? QString() : Activation::databaseDirectory(base);
    const Activation::Result opened
        = server ? Activation::runOnServer(data, store) : Activation::run(data, base);
    ParadoxImport::Outcome outcome = ParadoxImport::Outcome::Refused;
    if (server && !opened.ok) {
        sayLines(opened.error);
        return 1;
    } else if (opened.oldFormat && QFileInfo(old).canonicalFilePath() == QFileInfo(dir).canonicalFilePath()) {
        outcome = import.importInPlace(base, now);
    } else if (!opened.ok) {
        sayLines(opened.error);
        return opened.oldFormat || QFileInfo(dir).isDir() ? 2 : 1;
    } else {
        outcome = import.importFrom(old, now);
    }
    if (outcome != ParadoxImport::Outcome::Done) {
        sayLines(import.lastError());
        return outcome == ParadoxImport::Outcome::Refused ? 2 : 1;
    }
    sayLines(import.reportText());
    return 0;
}

int runWindow(QApplication &app, const QString &store, const QString &base)
{
    InteractiveUi ui;
    MainWindow window(store, ui);
    window.setDirectoryBase(base);
    AppWindows windows(&window);
    window.attachWindows(&windows);
    QObject::connect(&window, &MainWindow::quitRequested, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    return app.exec();
}

} // namespace

int runVelmora(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line(arguments);
    if (!line.error().isEmpty())
        return usageError(line.error());
    QCoreApplication::setApplicationName(AppInfo::title());
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    const QString base = baseDirectory(line, argv[0]);
    if (line.action() == CommandLine::Action::Help) {
        print(stdout, CommandLine::helpText(Activation::databaseDirectory(base)));
        return 0;
    }
    if (line.action() == CommandLine::Action::Version) {
        print(stdout, CommandLine::versionText());
        return 0;
    }

    // The store a run opens: the data directory, or a server given or saved.
    const QString store = SharedStore::location(line, base);
    if (line.isImport()) {
        int coreArgc = 1;
        QCoreApplication core(coreArgc, argv);
        return runImport(line, store, base);
    }
    if (line.isArchive() || line.isStoreCopy()) {
        int coreArgc = 1;
        QCoreApplication core(coreArgc, argv);
        QTextStream errors(stderr);
        if (line.isStoreCopy())
            return SharedStore::runCopy(line, base, errors);
        return Activation::isServerAddress(store) ? SharedStore::runArchive(line, store, errors)
                                                  : runArchive(line, base);
    }
    // A batch export needs no screen.
    if (line.isExport()) {
        if (!displayAvailable())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(exportMessages);
    }
    provideRuntimeDirectory();
    if (!displayAvailable()) {
        print(stderr,
            QStringLiteral("velmora: aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY) ; pour lancer "
                           "sans écran : QT_QPA_PLATFORM=offscreen velmora\n"));
        return 1;
    }
    // The command line is read above; Qt is given none of it to interpret.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The window is the desktop entry's: its icon and name in the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora"));
    installQtTranslations(&app);
    // Every date of the program is shown, typed and printed as dd/mm/yyyy, times as hh:mm:ss.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    installUiFonts();
    return line.isExport() ? runExport(line, store) : runWindow(app, store, base);
}
