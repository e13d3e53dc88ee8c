#include "backup/BackupCommands.h"
#include "backup/ui/BackupWiring.h"
#include "mainwindow/ui/MainWindow.h"
#include "session/Logon.h"
#include "session/ui/LogonWindow.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::backup;

// The commands wired into the real main and logon windows as the program wires them.
TEST(BackupWindows, RestoreRoundTripThroughTheWindows) {
    test::TestApp app;
    const qint64 ana = app.addUser("ANA", "senha");
    app.logOn(ana);
    MainWindow main(app.ctx);
    main.loadSequence();
    main.show();
    LogonWindow logon;

    BackupCommands commands(app.ctx);
    BackupHooks hooks;
    useWaitCursor(hooks);
    useDueCheckTimer(hooks, main);
    useLogonWindow(hooks, logon);
    hooks.endSession = [&] {
        main.hide();
        app.ctx.session = Session();
        logon.txtPass->clear();
    };
    hooks.showLogon = [&] { logon.show(); };
    commands.setHooks(hooks);
    connectMainWindow(main, commands);
    QObject::connect(&logon, &LogonWindow::logonRequested,
                     [&](const QString& login, const QString& password) {
                         if (orv::logOn(app.ctx, login, password) == LogonResult::Restore) {
                             commands.restoreAtLogon();
                         }
                     });
    ASSERT_TRUE(QDir().mkpath(app.ctx.paths.backupFolder));

    bool timerDuringMessage = true;
    app.messages.whileShown([&] { timerDuringMessage = main.tmrChecagem->isActive(); });
    main.findChild<QPushButton*>("cmdBackup")->click();
    EXPECT_EQ(app.messages.last(), "Backup Realizado com Sucesso!");
    EXPECT_FALSE(timerDuringMessage);
    EXPECT_TRUE(main.tmrChecagem->isActive());

    app.addUser("BETO");
    main.findChild<QPushButton*>("cmdRestore")->click(); // cancelled
    EXPECT_TRUE(main.tmrChecagem->isActive());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(app.count("Usuarios"), 2);

    app.messages.answer(true);
    main.findChild<QPushButton*>("cmdRestore")->click();
    EXPECT_TRUE(app.messages.last().startsWith("  Restauração Realizada com Sucesso!  \r\n"));
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(main.tmrChecagem->isActive());
    EXPECT_TRUE(logon.isVisible());
    EXPECT_TRUE(app.ctx.session.restoreFlag);
    EXPECT_FALSE(app.ctx.session.loggedOn());
    EXPECT_EQ(orv::logOn(app.ctx, "BETO", ""), LogonResult::UnknownUser);
    EXPECT_EQ(orv::logOn(app.ctx, "ANA", "senha"), LogonResult::LoggedOn);

    // Typed as login at the logon window, the word restores the same backup.
    app.ctx.session = Session();
    app.addUser("CAIO");
    auto* login = logon.findChild<QLineEdit*>("txtLogin");
    QTest::keyClicks(login, "recuperarbkp");
    app.messages.answer(true);
    QTest::keyClick(login, Qt::Key_Return);
    EXPECT_EQ(app.messages.last(), "  Restauração Realizada com Sucesso! ");
    EXPECT_TRUE(login->text().isEmpty());
    EXPECT_TRUE(login->isEnabled());
    EXPECT_EQ(app.count("Usuarios"), 1);
}
