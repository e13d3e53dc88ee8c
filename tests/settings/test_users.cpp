#include "SettingsFixture.h"

#include "session/Logon.h"
#include "session/PasswordHash.h"
#include "session/Startup.h"
#include "session/ui/LogonWindow.h"
#include "session/ui/Shell.h"
#include "session/ui/TrayIcon.h"

#include <QRadioButton>
#include <QTimer>

namespace orv::test {
namespace {

using NewAndDeletedUsers = SettingsFixture;

TEST_F(NewAndDeletedUsers, NewUserIsCreatedWithDefaultsOrAbandonedWithoutTrace) {
    // Cancelling the creation writes nothing and hands the session end to the shell.
    openNewUser("ELIS");
    QSignalSpy cancelled(window.get(), &MainWindow::settingsCancelled);
    const QByteArray empty = dataBytes();
    type("txtDadosNome", "Elis");
    click("cmdAgendaCancelar");
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_EQ(dataBytes(), empty);
    EXPECT_EQ(app.count("Usuarios"), 0);

    openNewUser("ELIS");
    QSignalSpy saved(window.get(), &MainWindow::settingsSaved);
    EXPECT_TRUE(find<SettingsPage>("frmConfig")->isVisible());
    EXPECT_FALSE(find<QPushButton>("cmdExcluirUsuario")->isVisible());
    EXPECT_FALSE(box("txtSenhaAtual")->isEnabled());
    EXPECT_TRUE(box("txtSenhaNova")->isEnabled());
    // Every other panel button is inert meanwhile.
    click("imgNotas");
    EXPECT_TRUE(find<SettingsPage>("frmConfig")->isVisible());

    // A failed check in new-user mode writes nothing either.
    type("txtDadosNome", "Elis Regina");
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), "Informe o Email!");
    EXPECT_EQ(dataBytes(), empty);

    type("txtDadosEmail", "elis@exemplo.com");
    type("txtSenhaNova", "pw");
    type("txtSenhaReNova", "pw");
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), kSettingsSaved);
    ASSERT_EQ(saved.count(), 1);
    EXPECT_TRUE(saved.at(0).at(0).toBool());

    const RowSet user = row("Usuarios", "Login = ?", {"ELIS"});
    ASSERT_EQ(user.recordCount(), 1);
    EXPECT_EQ(fields(user, "Nome FoneRes Endereco"), "Elis Regina| |null");
    EXPECT_EQ(user.date("Aniversario"), QDate(1900, 1, 1));
    EXPECT_TRUE(passwordMatches(user.field("Senha"), "pw"));
    const qint64 code = user.integer("Codigo");
    const RowSet config = configRow(code);
    ASSERT_EQ(config.recordCount(), 1);
    EXPECT_EQ(fields(config, "InicioGrade FinalGrade Intervalos PosicaoAniversarios "
                             "SomCompromisso ChecagemGeral VisualizarCompartilhamento"),
              "08:00:00|17:00:00|60|A|Cuco|1|S");

    // Logged on as the new user, on the start panel.
    const Session& s = app.ctx.session;
    EXPECT_FALSE(s.newUserMode);
    EXPECT_EQ(s.userCode, code);
    EXPECT_EQ(s.password, "pw");
    EXPECT_EQ(app.ctx.settings.configKey, config.integer("Chave"));
    EXPECT_EQ(window->panelName(), "Inicial");
    EXPECT_EQ(window->lblIdentNome->text(), "Elis Regina");
    EXPECT_EQ(userRow(code).text("Pastinha"), "Inicial");
    EXPECT_EQ(logOn(app.ctx, "elis", "pw"), LogonResult::LoggedOn);
}

// Rows in every table the user owns, for the user given.
void fillRows(const Db& db, qint64 code) {
    for (const char* table : {"Notas (Usuario,Notas)", "Tarefas (Usuario,Descricao)",
                              "Financas (Usuario,Descricao)", "Enderecos (Usuario,Nome)",
                              "Compromissos (Usuario,Compromisso)", "Saldos (Usuario,Ano)"}) {
        db.executeSql(QStringLiteral("Insert into %1 values (?,'2026')").arg(table), {code});
    }
}

TEST_F(NewAndDeletedUsers, DeletingUserNeedsHisPasswordAndConfirmationAndKeepsOthersRows) {
    const qint64 gone = app.addUser("FABIO", "chave");
    const qint64 stays = app.addUser("GIL");
    fillRows(app.ctx.db, gone);
    fillRows(app.ctx.db, stays);
    ASSERT_EQ(userRows(app.ctx.db, gone).size(), 8);
    openFor(gone);
    QSignalSpy deleted(window.get(), &MainWindow::userDeleted);
    const QByteArray before = dataBytes();

    type("txtSenhaAtual", "Chave");
    click("cmdExcluirUsuario");
    EXPECT_EQ(app.messages.texts(), QStringList{"Senha Atual não Confere!"});
    EXPECT_EQ(app.messages.shown().back().icon, msg::Serious);
    EXPECT_EQ(focused(), "txtSenhaAtual");

    type("txtSenhaAtual", "chave");
    app.messages.clear();
    app.messages.answer(false);
    click("cmdExcluirUsuario");
    EXPECT_EQ(app.messages.texts(), QStringList{kConfirmUserDeletion});
    EXPECT_EQ(app.messages.shown().back().buttons, msg::ConfirmCancel);
    EXPECT_EQ(app.messages.shown().back().icon, msg::Question);
    EXPECT_EQ(dataBytes(), before);
    EXPECT_EQ(deleted.count(), 0);

    app.messages.answer(true);
    click("cmdExcluirUsuario");
    EXPECT_EQ(deleted.count(), 1);
    EXPECT_EQ(userRows(app.ctx.db, gone).size(), 0);
    EXPECT_EQ(userRows(app.ctx.db, stays).size(), 8);
}

// The whole life of a user through the real windows: created from the logon
// window, logged on with the due check running, deleted, and back at a logon
// window that only offers a new user.
TEST(UserThroughTheShell, CreatedFromLogonThenDeletedLeavesOnlyNewUser) {
    TestApp app;
    Shell shell(app.ctx, false);
    shell.start(false);
    LogonWindow* logon = shell.logonWindow();
    // A first run offers only the new user.
    EXPECT_EQ(app.messages.texts(), QStringList{kFirstRun});
    const auto onlyNewUser = [&] {
        EXPECT_TRUE(logon->isVisible());
        EXPECT_FALSE(logon->cmdLogar->isEnabled() || logon->txtPass->isEnabled());
        EXPECT_TRUE(logon->cmdNovoUsuario->isEnabled());
    };
    onlyNewUser();
    ASSERT_EQ(shell.mainWindow(), nullptr);
    QTest::keyClicks(logon->txtLogin, "helo");
    logon->cmdNovoUsuario->click();
    MainWindow* main = shell.mainWindow();
    ASSERT_NE(main, nullptr);
    QTest::keyClicks(main->findChild<QLineEdit*>("txtDadosNome"), "Heloisa");
    QTest::keyClicks(main->findChild<QLineEdit*>("txtDadosEmail"), "helo@exemplo.com");
    main->findChild<QPushButton*>("cmdAgendaGravar")->click();
    EXPECT_EQ(app.messages.last(), kSettingsSaved);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->tmrChecagem->isActive()) << "the due check starts at once";
    EXPECT_TRUE(shell.tray()->logOutVisible());
    const qint64 code = app.ctx.session.userCode;
    fillRows(app.ctx.db, code);

    main->openSettings();
    app.messages.answer(true);
    main->findChild<QPushButton*>("cmdExcluirUsuario")->click();
    EXPECT_EQ(userRows(app.ctx.db, code).size(), 0);
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(app.ctx.session.loggedOn());
    onlyNewUser();
}

} // namespace
} // namespace orv::test
