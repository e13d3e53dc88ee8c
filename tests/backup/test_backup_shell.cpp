#include "support/TestSupport.h"

#include "mainwindow/ui/MainWindow.h"
#include "session/ui/LogonWindow.h"
#include "session/ui/Shell.h"
#include "session/ui/TrayIcon.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orv;

TEST(BackupShell, RoundTrip) {
    test::TestApp app;
    app.addUser("ANA", "pw", "Notas");
    Shell shell(app.ctx, false);
    shell.start(true);
    QDir().mkpath(app.ctx.paths.backupFolder);
    auto* logon = shell.logonWindow();
    QTest::keyClicks(logon->txtLogin, "ANA");
    QTest::keyClicks(logon->txtPass, "pw");
    logon->cmdLogar->click();
    ASSERT_TRUE(app.ctx.session.loggedOn());
    MainWindow* main = shell.mainWindow();
    main->cmdBackup->click();
    EXPECT_EQ(app.messages.last(), "Backup Realizado com Sucesso!");
    EXPECT_TRUE(main->tmrChecagem->isActive());
    app.addUser("BETO");
    app.messages.answer(true);
    main->cmdRestore->click();
    EXPECT_TRUE(app.messages.last().startsWith("  Restauração Realizada"));
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(logon->isVisible());
    EXPECT_FALSE(main->tmrChecagem->isActive());
    EXPECT_TRUE(app.ctx.session.restoreFlag);
    EXPECT_EQ(app.count("Usuarios"), 1);
    logon->txtLogin->clear();
    QTest::keyClicks(logon->txtLogin, "ANA");
    QTest::keyClicks(logon->txtPass, "pw");
    logon->cmdLogar->click();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(app.ctx.session.restoreFlag);
    EXPECT_TRUE(main->tmrChecagem->isActive());

    main->cmdLogout->click();
    app.addUser("CAIO");
    logon->txtLogin->clear();
    QTest::keyClicks(logon->txtLogin, "recuperarbkp");
    app.messages.answer(true);
    logon->cmdLogar->click();
    EXPECT_EQ(app.messages.last(), "  Restauração Realizada com Sucesso! ");
    EXPECT_TRUE(logon->txtLogin->text().isEmpty());
    EXPECT_EQ(app.count("Usuarios"), 1);
    for (auto& t : app.messages.texts())
        qDebug() << t;
}
