#include "support/TestSupport.h"

#include "backup/ui/DriveChoiceWindow.h"
#include "mainwindow/ui/MainWindow.h"
#include "session/ui/LogonWindow.h"
#include "session/ui/Shell.h"

#include <QApplication>
#include <QListWidget>
#include <QTimer>

using namespace orv;

namespace {

// Answers the drive choice window with keys once it is on screen; notes the
// labels it offered.
void whenDriveChoiceShows(const QList<Qt::Key>& keys, QStringList* offered) {
    QTimer::singleShot(0, [keys, offered] {
        auto* window = qobject_cast<DriveChoiceWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        for (int row = 0; row < window->lstUnidades->count(); ++row) {
            *offered << window->lstUnidades->item(row)->text().section(' ', 0, 0);
        }
        for (const Qt::Key key : keys) {
            QTest::keyClick(window->lstUnidades, key);
        }
    });
}

} // namespace

// Backup and restore as the program wires them, with two sticks plugged in: the
// main window's buttons, the drive choice, the due check timer, the logon window
// and the restore word typed as a login.
TEST(BackupShell, RoundTripThroughTheWindows) {
    test::TestApp app;
    app.addUser("ANA", "pw", "Notas");
    app.ctx.paths.backupFolder.clear();
    app.ctx.paths.mediaRoots = {app.program.path("media")};
    const QString stick = app.program.path("media/PENDRIVE");
    ASSERT_TRUE(QDir().mkpath(stick) && QDir().mkpath(app.program.path("media/CARTAO")));
    Shell shell(app.ctx, false);
    shell.start(true);
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

    QStringList offered;
    whenDriveChoiceShows({Qt::Key_Escape}, &offered);
    main->cmdBackup->click();
    EXPECT_TRUE(app.messages.shown().empty());
    bool timerDuringMessage = true;
    app.messages.whileShown([&] { timerDuringMessage = main->tmrChecagem->isActive(); });
    whenDriveChoiceShows({Qt::Key_Down, Qt::Key_Return}, &offered);
    main->cmdBackup->click();
    EXPECT_EQ(offered, QStringList({"CARTAO", "PENDRIVE", "CARTAO", "PENDRIVE"}));
    EXPECT_EQ(app.messages.last(), "Backup Realizado com Sucesso!");
    EXPECT_TRUE(QFile::exists(stick + "/Orvalune/Orvalune.Bck"));
    EXPECT_FALSE(timerDuringMessage);
    EXPECT_TRUE(main->tmrChecagem->isActive());

    app.addUser("BETO");
    whenDriveChoiceShows({Qt::Key_Down, Qt::Key_Return}, &offered);
    main->cmdRestore->click(); // cancelled
    EXPECT_TRUE(main->tmrChecagem->isActive());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(app.count("Usuarios"), 2);

    app.messages.answer(true);
    whenDriveChoiceShows({Qt::Key_Down, Qt::Key_Return}, &offered);
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

    // Typed as login at the logon window with only the one stick plugged in, the
    // word restores the same backup.
    ASSERT_TRUE(QDir(app.program.path("media/CARTAO")).removeRecursively());
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
