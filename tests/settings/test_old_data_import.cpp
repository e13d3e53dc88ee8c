#include "SettingsFixture.h"

#include "appointments/ui/AppointmentsPanel.h"
#include "mainwindow/Panels.h"
#include "mainwindow/ui/Grid.h"
#include "session/Logon.h"
#include "session/OldDataFile.h"
#include "session/OldDataImport.h"
#include "session/PasswordHash.h"
#include "session/Users.h"
#include "session/ui/LogonWindow.h"
#include "session/ui/Shell.h"

namespace orv::test {
namespace {

OldData oldOwnerData() {
    OldData data;
    data.config = OldConfig{"Velha",     QTime(7, 30),      QTime(19, 0),
                            QTime(1, 0), "Ana D'Ávila",     "(11)3333-4444",
                            QString(),   "ana@exemplo.com", 5};
    const QDate day(2026, 3, 20);
    data.appointments = {
        {day, QTime(14, 0), "Dentista d'ela", "S", "N", {}},
        {day, QTime(9, 0), "Reunião feita", "S", "S", {}},
        {day, QTime(10, 0), "Sem aviso", "N", {}, {}},
        {day, QTime(), "Dia inteiro", "S", "N", {}},
        {day, QTime(), "Dia feito", "S", "S", {}},
        {day, QTime(8, 0), "Aniversário antigo", "S", "N", QDate(1970, 3, 20)},
    };
    data.contacts = {
        // Every field filled, each in its own column.
        {2, "  bia D'Ávila ", "Pão d'Açúcar", "Rua d'Ajuda, 1", "Sant'Ana", "SP", "01001000",
         "o'hara@exemplo.com", "(11)1111-2222", "2222-2222", "3333-3333", "29/02",
         "Gosta de ''chá''"},
        // Only a name, a birthday and maybe a company.
        {1, "Caio", "Oficina", {}, {}, {}, {}, {}, {}, {}, {}, "00/00", {}},
        {3, "Dora", {}, {}, {}, {}, {}, {}, {}, {}, {}, "16/03", {}},
        {4, "Quebra", {}, {}, {}, {}, {}, {}, {}, {}, {}, "31/04", {}},
    };
    return data;
}

class OldDataImport : public SettingsFixture {
protected:
    void SetUp() override {
        app.ctx.session.importFlag = readImportFlag(app.ctx.db);
        writeOldDataFile(app.ctx.paths.oldDataFile(), oldOwnerData());
    }
    QString oldFile() const { return app.ctx.paths.oldDataFile(); }
    // "Novo Usuário" for the login, the import question answered as given.
    void newUserAnswering(const QString& login, bool answer) {
        app.messages.answer(answer);
        offerImport(app.ctx);
        openNewUser(login);
    }
};

TEST_F(OldDataImport, OldSettingsPrefillTheNewUserPage) {
    EXPECT_TRUE(canImport(app.ctx));
    newUserAnswering("ANA", true);
    EXPECT_EQ(app.messages.texts(), QStringList{kImportQuestion});
    EXPECT_EQ(texts("txtSenhaAtual txtAgendaInicio txtAgendaFim txtAgendaIntervalo "
                    "txtAgendaTempoChecagem txtDadosNome txtDadosTelefone txtDadosEmail"),
              "Velha|07:30|19:00|59|5|Ana D'Ávila|(11)3333-4444|ana@exemplo.com");
    EXPECT_FALSE(box("txtSenhaAtual")->isEnabled());
    EXPECT_FALSE(box("txtSenhaNova")->isEnabled());

    // A half-hour step is taken as it is; without the answer nothing is prefilled.
    QFile::remove(oldFile());
    OldData data = oldOwnerData();
    data.config->step = QTime(0, 30);
    data.config->password.clear();
    writeOldDataFile(oldFile(), data);
    const auto form = importOldSettings(app.ctx);
    ASSERT_TRUE(form.has_value());
    EXPECT_EQ(form->gridStep, "30");
    EXPECT_TRUE(form->newPasswordEnabled);
    EXPECT_TRUE(app.ctx.session.password.isEmpty());
    app.ctx.session.importAnswer = false;
    EXPECT_FALSE(importOldSettings(app.ctx).has_value());
}

TEST_F(OldDataImport, SavedNewUserTakesOverAppointmentsAndContactsOnce) {
    // From the logon window: the question is asked and answered yes.
    Shell shell(app.ctx, false);
    shell.start(false);
    app.messages.clear();
    QTest::keyClicks(shell.logonWindow()->txtLogin, "ana");
    app.messages.answer(true);
    shell.logonWindow()->cmdNovoUsuario->click();
    shown = shell.mainWindow();
    EXPECT_EQ(app.messages.texts(), QStringList{kImportQuestion});
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(box("txtDadosNome")->text(), "Ana D'Ávila");
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), "Senha Atual e Confirmação Diferentes !");
    EXPECT_EQ(focused(), "txtSenhaReNova");
    EXPECT_EQ(app.count("Usuarios"), 0);
    type("txtSenhaReNova", "Velha");
    app.messages.clear();
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.texts(), QStringList{kSettingsSaved});

    const qint64 code = app.ctx.session.userCode;
    ASSERT_NE(code, 0);
    EXPECT_TRUE(passwordMatches(userRow(code).field("Senha"), "Velha"));
    EXPECT_EQ(configRow(code).integer("Intervalos"), 59);

    EXPECT_EQ(allFields(row("Compromissos", "Usuario = ? and Status <> '2' Order By Chave", {code}),
                        "Compromisso Status Hora"),
              (QStringList{"Dentista d'ela|0|14:00:00", "Reunião feita|1|09:00:00",
                           "Sem aviso|3|10:00:00", "Dia inteiro|3|null", "Dia feito|1|null"}));

    RowSet contacts = row("Enderecos", "Usuario = ? Order By Chave", {code});
    ASSERT_EQ(contacts.recordCount(), 4);
    // Ordem 1 first.
    EXPECT_EQ(fields(contacts, "Nome Empresa Aniversario ChaveAniversario"), "Caio|Oficina|null|0");
    contacts.moveNext();
    EXPECT_EQ(fields(contacts, "Nome Empresa Endereco Cidade Estado Cep Email FoneRes FoneCel "
                               "FoneCom Aniversario Observacao Compartilhado"),
              "Bia D'Ávila|Pão d'Açúcar|Rua d'Ajuda, 1|Sant'Ana|SP|01001000|o'hara@exemplo.com|"
              "(11)1111-2222|2222-2222|3333-3333|29/02|Gosta de ''chá''|N");
    // Today is 15/03/2026: the birthday waits for the next 29 February.
    EXPECT_EQ(fields(row("Compromissos", "Chave = ?", {contacts.integer("ChaveAniversario")}),
                     "Compromisso Status Compartilhado Data"),
              "Aniversário Bia D'Ávila|2|N|2028-02-29");
    contacts.moveNext();
    EXPECT_EQ(row("Compromissos", "Chave = ?", {contacts.integer("ChaveAniversario")}).date("Data"),
              QDate(2026, 3, 16));
    contacts.moveNext(); // a 31/04, which no year has, brings no birthday along
    EXPECT_TRUE(contacts.text("Aniversario").isEmpty());
    EXPECT_EQ(contacts.integer("ChaveAniversario"), 0);

    // The new user's panels show what came over: the all-day entry first in the
    // day grid, the birthday on its day, the contact under its letter.
    shell.mainWindow()->pressPanel(panel::Compromissos);
    auto* day = shown->findChild<appointments::AppointmentsPanel*>();
    ASSERT_NE(day, nullptr);
    day->showDay(QDate(2026, 3, 20));
    EXPECT_EQ(
        gridColumn(*day->grdCompromissos, 3),
        (QStringList{"Dia inteiro", "Dia feito", "Reunião feita", "Sem aviso", "Dentista d'ela"}));
    day->showDay(QDate(2026, 3, 16));
    EXPECT_EQ(gridColumn(*day->grdCompromissos, 3), QStringList{"Aniversário Dora"});
    shell.mainWindow()->pressPanel(panel::Enderecos);
    for (QPushButton* letter : shown->findChildren<QPushButton*>("cmdLetra")) {
        if (letter->text() == "B") {
            letter->click();
        }
    }
    const Grid* book = shown->findChild<Grid*>("grdEndereco");
    ASSERT_TRUE(book && book->rows() == 2);
    EXPECT_EQ(gridRow(*book, 1, {1, 2, 4}), "    Bia D'Ávila|(11)1111-2222|29/02");

    EXPECT_EQ(readImportFlag(app.ctx.db), "S");
    EXPECT_FALSE(QFile::exists(oldFile()));
    EXPECT_FALSE(app.ctx.session.newUserMode);

    // No later new user is asked, even in the same run.
    shell.mainWindow()->cmdLogout->click();
    ASSERT_TRUE(shell.logonWindow()->isVisible());
    app.messages.clear();
    shell.logonWindow()->txtLogin->clear();
    QTest::keyClicks(shell.logonWindow()->txtLogin, "bruno");
    shell.logonWindow()->cmdNovoUsuario->click();
    EXPECT_TRUE(app.messages.texts().isEmpty());
    EXPECT_FALSE(app.ctx.session.importAnswer);
    EXPECT_TRUE(app.ctx.session.newUserMode);
}

TEST_F(OldDataImport, FailureHalfWayCopiesNothingAndKeepsTheOldFile) {
    app.ctx.db.executeSql(
        QStringLiteral("Create Trigger quebra Before Insert On Enderecos When NEW.Nome = 'Quebra' "
                       "Begin Select Raise(Abort, 'falha provocada'); End"));
    newUserAnswering("BETO", true);
    type("txtSenhaReNova", "Velha");
    app.messages.clear();
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.texts(), (QStringList{kImportFailed, kSettingsSaved}));
    const qint64 code = app.ctx.session.userCode;
    ASSERT_NE(code, 0);
    EXPECT_FALSE(app.ctx.session.newUserMode);
    EXPECT_EQ(app.count("Compromissos"), 0);
    EXPECT_EQ(app.count("Enderecos"), 0);
    EXPECT_EQ(readImportFlag(app.ctx.db), "N");
    EXPECT_TRUE(QFile::exists(oldFile()));
    EXPECT_EQ(logOn(app.ctx, "BETO", "Velha"), LogonResult::LoggedOn);
}

TEST_F(OldDataImport, AnsweringNoPrefillsNothingAndCopiesNothing) {
    newUserAnswering("CIDA", false);
    EXPECT_TRUE(box("txtDadosNome")->text().isEmpty());
    EXPECT_TRUE(box("txtSenhaNova")->isEnabled());
    type("txtDadosNome", "Cida");
    type("txtDadosEmail", "cida@exemplo.com");
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), kSettingsSaved);
    EXPECT_EQ(app.count("Compromissos"), 0);
    EXPECT_EQ(readImportFlag(app.ctx.db), "N");
    EXPECT_TRUE(QFile::exists(oldFile()));
}

} // namespace
} // namespace orv::test
