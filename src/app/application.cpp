#include "app/application.h"

#include "app/appinfo.h"
#include "app/appwindows.h"
#include "app/mainwindow.h"
#include "app/uifonts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

} // namespace

int runVelmora(int argc, char **argv)
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "velmora: aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY) ; pour lancer "
                             "sans écran : QT_QPA_PLATFORM=offscreen velmora\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(AppInfo::title());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Dossier qui tient lieu de celui du programme : la base de "
                                                    "données est créée dans DOSSIER/Base de données employeur."),
                                     QStringLiteral("DOSSIER"));
    parser.addOption(dataDir);
    parser.process(app);

    const QString base = parser.isSet(dataDir) ? QDir(parser.value(dataDir)).absolutePath()
                                               : QApplication::applicationDirPath();
    installUiFonts();

    MainWindow window(base);
    AppWindows windows(&window);
    QObject::connect(&window, &MainWindow::quitRequested, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    return app.exec();
}
