#include "session/ui/Program.h"

#include "mainwindow/ui/MsgBox.h"
#include "session/AppContext.h"
#include "session/Clock.h"
#include "session/SingleCopy.h"
#include "session/Startup.h"
#include "session/ui/Shell.h"
#include "session/ui/TrayIcon.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

namespace orv {

bool installQtTranslations(QCoreApplication& app) {
    auto* qtTexts = new QTranslator(&app);
    if (!qtTexts->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qtTexts;
        return false;
    }
    return QCoreApplication::installTranslator(qtTexts);
}

int runProgram(QApplication& app) {
    app.setApplicationName(QStringLiteral("Orvalune"));
    app.setWindowIcon(QIcon(QStringLiteral(":/images/orvalune.png")));
    app.setQuitOnLastWindowClosed(false);
    installQtTranslations(app);

    SystemClock clock;
    MsgBoxMessages messages;
    AppContext ctx(Paths::fromEnvironment(QCoreApplication::applicationDirPath()), clock, messages);
    ctx.startedWithArguments = app.arguments().size() > 1;

    SingleCopy copy(ctx.paths.programFolder);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const StartUp start =
        startUp(ctx, copy, screen != nullptr ? screen->geometry().height() : kMinimumScreenHeight);
    if (start.exitCode) {
        return *start.exitCode;
    }

    Shell shell(ctx, TrayIcon::available());
    QObject::connect(&copy, &SingleCopy::comeForwardWanted, &shell, &Shell::trayShow);
    shell.start(start.hasUsers);
    return app.exec();
}

} // namespace orv
