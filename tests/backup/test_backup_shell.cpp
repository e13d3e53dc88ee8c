#include "support/TestSupport.h"

#include "mainwindow/ui/MainWindow.h"
#include "session/ui/LogonWindow.h"
#include "session/ui/Shell.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orv;

// Backup and restore as the program wires them: the main window's buttons, the
// due check timer, the logon window and the restore word typed as a login.
TEST(BackupShell, RoundTripThroughTheWindows) {
    test::TestApp app;
    app.addUser("ANA", "pw", "Notas");
    Shell shell(app.ctx, false);
    shell.start(true);
    ASSERT_TRUE(QDir().mkpath(app.ctx.paths.backupFolder));
    auto* logon = shell.logonWindow();
    const auto logOnAsAna = [&] {
        logon->txtLogin->clear();
        QTest::keyClicks(logon->txtLogin, "ANA");
        QTest::keyClicks(logon->txtPass, "pw");
        logon->cmdLogar->click();
    };
    logOnAsAna();
    ASSERT_TRUE(app.ctx.session.loggedOn());
    MainWindow* main = shell.mainWindow();

    bool timerDuringMessage = true;
    app.messages.whileShown([&] { timerDuringMessage = main->tmrChecagem->isActive(); });
    main->cmdBackup->click();
    EXPECT_EQ(app.messages.last(), "Backup Realizado com Sucesso!");
    EXPECT_FALSE(timerDuringMessage);
    EXPECT_TRUE(main->tmrChecagem->isActive());

    app.addUser("BETO");
    main->cmdRestore->click(); // cancelled
    EXPECT_TRUE(main->tmrChecagem->isActive());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(app.count("Usuarios"), 2);

    app.messages.answer(true);
    main->cmdRestore->click();
    EXPECT_TRUE(app.messages.last().startsWith("  Restauração Realizada com Sucesso!  \r\n"));
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(logon->isVisible());
    EXPECT_FALSE(main->tmrChecagem->isActive());
    EXPECT_TRUE(app.ctx.session.restoreFlag);
    EXPECT_FALSE(app.ctx.session.loggedOn());
    EXPECT_EQ(app.count("Usuarios"), 1);
    logOnAsAna();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(app.ctx.session.restoreFlag);
    EXPECT_TRUE(main->tmrChecagem->isActive());

    // Typed as login at the logon window, the word restores the same backup.
    main->cmdLogout->click();
    app.addUser("CAIO");
    logon->txtLogin->clear();
    QTest::keyClicks(logon->txtLogin, "recuperarbkp");
    app.messages.answer(true);
    QTest::keyClick(logon->txtLogin, Qt::Key_Return);
    EXPECT_EQ(app.messages.last(), "  Restauração Realizada com Sucesso! ");
    EXPECT_TRUE(logon->txtLogin->text().isEmpty());
    EXPECT_TRUE(logon->txtLogin->isEnabled());
    EXPECT_EQ(app.count("Usuarios"), 1);
}
