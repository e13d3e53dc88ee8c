#include "support/Faults.h"
#include "support/TestSupport.h"

#include "mainwindow/ui/MainWindow.h"
#include "session/Startup.h"
#include "session/ui/LogonWindow.h"
#include "session/ui/Shell.h"
#include "session/ui/TrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <stdexcept>

using namespace orv;
using namespace orv::test;

namespace {

struct ShellTest : ::testing::Test {
    TestApp app;
    std::unique_ptr<Shell> shell;

    void start() {
        shell = std::make_unique<Shell>(app.ctx, false);
        shell->start(!app.ctx.db.runQuery(QStringLiteral("Select * from Usuarios")).eof());
    }
    LogonWindow* logon() const { return shell->logonWindow(); }
    void type(const QString& login, const QString& password) {
        logon()->txtLogin->clear();
        QTest::keyClicks(logon()->txtLogin, login);
        logon()->txtPass->clear();
        QTest::keyClicks(logon()->txtPass, password);
    }
    QString storedPanel(qint64 user) const {
        return app.ctx.db
            .runQuery(QStringLiteral("Select Pastinha from Usuarios Where Codigo = ?"), {user})
            .text(QStringLiteral("Pastinha"));
    }
};

} // namespace

TEST_F(ShellTest, OnlyUserWithoutPasswordLogsOnByHimself) {
    const qint64 ana = app.addUser(QStringLiteral("ANA"), {}, QStringLiteral("Tarefas"));
    start();
    EXPECT_TRUE(app.messages.texts().isEmpty());
    ASSERT_NE(shell->mainWindow(), nullptr);
    EXPECT_TRUE(shell->mainWindow()->isVisible());
    EXPECT_FALSE(logon()->isVisible());
    EXPECT_EQ(app.ctx.session.userCode, ana);
    EXPECT_EQ(shell->mainWindow()->panelName(), QStringLiteral("Tarefas"));
    EXPECT_FALSE(shell->tray()->logOutVisible()) << "no Log Out after an automatic logon";
}

// A data file that cannot be written does not stop a logon: the person is told
// once a session and works on; whatever escapes a window action anyway is
// written to standard error and the program goes on.
TEST_F(ShellTest, AReadOnlyDataFileIsToldOnceAndNothingEndsTheProgram) {
    app.addUser(QStringLiteral("ANA"), {}, QStringLiteral("Tarefas"));
    QFile::setPermissions(app.ctx.paths.dataFile(), QFile::ReadOwner);
    {
        WithoutRootOverride asAnyone;
        app.ctx.db.release();
        start();
        ASSERT_NE(shell->mainWindow(), nullptr);
        EXPECT_EQ(shell->mainWindow()->panelName(), QStringLiteral("Tarefas"));
        shell->mainWindow()->imgNotas->click();
        EXPECT_EQ(shell->mainWindow()->panelName(), QStringLiteral("Notas"));
    }
    ASSERT_EQ(app.messages.texts().size(), 1);
    EXPECT_TRUE(app.messages.last().contains(QStringLiteral("protegido contra gravação")));

    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, [] { throw std::logic_error("sem guarda"); });
    button.show();
    ::testing::internal::CaptureStderr();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(), ::testing::HasSubstr("sem guarda"));
}

TEST_F(ShellTest, StartedWithArgumentsShowsNoWindow) {
    app.addUser(QStringLiteral("ANA"));
    app.ctx.startedWithArguments = true;
    start();
    EXPECT_TRUE(app.ctx.session.loggedOn());
    EXPECT_FALSE(shell->mainWindow()->isVisible());
    EXPECT_FALSE(logon()->isVisible());
    shell->trayShow();
    EXPECT_TRUE(shell->mainWindow()->isVisible()) << "the icon brings the main window";
}

TEST_F(ShellTest, ManualLogonRefusalsLogoutAndLogonAgain) {
    const qint64 ana =
        app.addUser(QStringLiteral("ANA"), QStringLiteral("Pw"), QStringLiteral("Notas"));
    app.addUser(QStringLiteral("BIA"));
    app.addUser(QStringLiteral("RECUPERARBKP"), QStringLiteral("x"));
    start();
    EXPECT_TRUE(logon()->isVisible());
    // The restore word goes to the restore before any user lookup.
    type(QStringLiteral("recuperarbkp"), QStringLiteral("x"));
    logon()->cmdLogar->click();
    EXPECT_FALSE(app.ctx.session.loggedOn());
    EXPECT_EQ(shell->mainWindow(), nullptr);

    type(QStringLiteral("zeca"), {});
    EXPECT_EQ(logon()->txtLogin->text(), QStringLiteral("ZECA")) << "logins are typed in capitals";
    QTest::keyClick(logon()->txtLogin, Qt::Key_Return);
    EXPECT_EQ(app.messages.last(), QStringLiteral("Usuário não cadastrado !"));
    type(QStringLiteral("ana"), QStringLiteral("pw"));
    logon()->cmdLogar->click();
    EXPECT_EQ(app.messages.last(), QStringLiteral("Senha não confere !"));
    EXPECT_EQ(logon()->txtPass->text(), QStringLiteral("pw")) << "a refusal keeps what was typed";

    type(QStringLiteral("ana"), QStringLiteral("Pw"));
    QTest::keyClick(logon()->txtPass, Qt::Key_Return);
    MainWindow* main = shell->mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(logon()->isVisible());
    EXPECT_TRUE(shell->tray()->logOutVisible());
    EXPECT_EQ(main->panelName(), QStringLiteral("Notas"));
    EXPECT_TRUE(main->tmrChecagem->isActive());

    main->pressPanel(QStringLiteral("Financas"));
    main->cmdLogout->click();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(logon()->txtPass->text().isEmpty());
    EXPECT_FALSE(shell->tray()->logOutVisible());
    EXPECT_FALSE(main->tmrChecagem->isActive());
    EXPECT_FALSE(main->tmrRelogio->isActive());
    EXPECT_EQ(storedPanel(ana), QStringLiteral("Financas"));

    // The next logon reloads the window and opens the last panel again.
    type(QStringLiteral("ana"), QStringLiteral("Pw"));
    logon()->cmdLogar->click();
    EXPECT_EQ(shell->mainWindow(), main) << "the main window lives for the whole run";
    EXPECT_EQ(main->panelName(), QStringLiteral("Financas"));
    EXPECT_TRUE(main->tmrChecagem->isActive());
}

TEST_F(ShellTest, NewUserModeAndItsCancellation) {
    app.addUser(QStringLiteral("ANA"), QStringLiteral("x"));
    start();
    type(QStringLiteral("  "), {});
    logon()->cmdNovoUsuario->click();
    EXPECT_EQ(app.messages.last(), QStringLiteral("Informe o Login !"));
    type(QStringLiteral("ana  "), {}); // logins compare without case and trailing blanks
    logon()->cmdNovoUsuario->click();
    EXPECT_EQ(app.messages.last(), QStringLiteral("Usuário já cadastrado, escolha outro Login!"));
    EXPECT_EQ(app.messages.shown().back().icon, msg::Serious);
    EXPECT_EQ(shell->mainWindow(), nullptr);

    const QByteArray before = fileBytes(app.ctx.paths.dataFile());
    type(QStringLiteral("bia "), {});
    logon()->cmdNovoUsuario->click();
    EXPECT_EQ(app.messages.texts().size(), 2) << "no import question without version 1.0 data";
    MainWindow* main = shell->mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(app.ctx.session.newUserMode);
    EXPECT_EQ(app.ctx.session.login, QStringLiteral("BIA"));
    EXPECT_TRUE(main->panelFrame(QStringLiteral("Configuracao"))->isVisible());
    EXPECT_FALSE(main->tmrChecagem->isActive());
    QApplication::setActiveWindow(main);
    QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier); // Ctrl+S saves the new user's page
    EXPECT_EQ(app.messages.last(), QStringLiteral("Informe o Nome!"));

    // Every other way out is closed while the new user is being made.
    main->imgTarefas->click();
    EXPECT_FALSE(main->panelFrame(QStringLiteral("Tarefas"))->isVisible());
    main->cmdLogout->click();
    EXPECT_TRUE(main->isVisible());

    Q_EMIT main->settingsPage()->cancelled();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(logon()->isVisible());
    EXPECT_FALSE(app.ctx.session.newUserMode);
    EXPECT_EQ(fileBytes(app.ctx.paths.dataFile()), before) << "nothing was written";
}

TEST_F(ShellTest, TrayShowsTheRightWindow) {
    app.addUser(QStringLiteral("ANA"), QStringLiteral("x"));
    start();
    logon()->imgFechar->click(); // without a notification area this would end the program
    shell.reset();

    shell = std::make_unique<Shell>(app.ctx, true);
    shell->start(true);
    logon()->imgFechar->click();
    EXPECT_FALSE(logon()->isVisible());
    shell->tray()->activate(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(logon()->isVisible()) << "nobody logged on: the icon shows the logon window";

    type(QStringLiteral("ANA"), QStringLiteral("x"));
    logon()->cmdLogar->click();
    MainWindow* main = shell->mainWindow();
    main->imgMinimizar->click();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(app.ctx.session.loggedOn()) << "hiding keeps the session";
    shell->tray()->Mostrar->trigger();
    EXPECT_TRUE(main->isVisible());
}
