#include "session/ui/Program.h"

#include "mainwindow/ui/MsgBox.h"
#include "session/AppContext.h"
#include "session/Clock.h"
#include "session/Startup.h"
#include "session/ui/Shell.h"
#include "session/ui/TrayIcon.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QLockFile>
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

    // One running copy per program folder: a second start ends silently.
    QLockFile lock(QDir(ctx.paths.programFolder).filePath(QStringLiteral("orvalune.lock")));
    if (!lock.tryLock(0)) {
        return 0;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen();
        screen != nullptr && screenTooSmall(screen->geometry().height())) {
        messages.okay(kScreenTooSmall, msg::Information);
        return 0;
    }
    removeVersion1Leftovers(ctx.paths);
    const DataState data = checkDataFile(ctx.db);
    if (data.check != DataCheck::Usable) {
        messages.showStandard(data.check == DataCheck::FileInvalid ? kDataFileInvalid
                                                                   : kLibraryUnavailable,
                              Messages::Standard::Critical);
        return 1;
    }

    Shell shell(ctx, TrayIcon::available());
    shell.start(data.hasUsers);
    return app.exec();
}

} // namespace orv
