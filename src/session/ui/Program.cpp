#include "session/ui/Program.h"

#include "mainwindow/ui/MsgBox.h"
#include "session/AppContext.h"
#include "session/Clock.h"
#include "session/SingleCopy.h"
#include "session/Startup.h"
#include "session/ui/Shell.h"
#include "session/ui/TrayIcon.h"

#include <QApplication>
#include <QScreen>

namespace orv {

int runProgram(QApplication& app) {
    app.setApplicationName(QStringLiteral("Orvalune"));
    app.setWindowIcon(QIcon(QStringLiteral(":/images/orvalune.png")));
    app.setQuitOnLastWindowClosed(false);

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
