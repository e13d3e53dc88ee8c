#include "SettingsFixture.h"

#include "appointments/ui/AppointmentsPanel.h"
#include "mainwindow/Panels.h"
#include "mainwindow/ui/Grid.h"
#include "session/Logon.h"
#include "session/OldDataFile.h"
#include "session/OldDataImport.h"
#include "session/Passwords.h"
#include "session/Users.h"
#include "session/ui/LogonWindow.h"
#include "session/ui/Shell.h"

#include <QFile>

namespace orv::test {
namespace {

OldData oldOwnerData() {
    OldData data;
    data.config = OldConfig{QStringLiteral("Velha"),
                            QTime(7, 30),
                            QTime(19, 0),
                            QTime(1, 0),
                            QStringLiteral("Ana D'Ávila"),
                            QStringLiteral("(11)3333-4444"),
                            QString(),
                            QStringLiteral("ana@exemplo.com"),
                            5};
    const QDate day(2026, 3, 20);
    data.appointments = {
        {day, QTime(14, 0), QStringLiteral("Dentista d'ela"), "S", "N", {}},
        {day, QTime(9, 0), QStringLiteral("Reunião feita"), "S", "S", {}},
        {day, QTime(10, 0), QStringLiteral("Sem aviso"), "N", {}, {}},
        {day, QTime(), QStringLiteral("Dia inteiro"), "S", "N", {}},
        {day, QTime(8, 0), QStringLiteral("Aniversário antigo"), "S", "N", QDate(1970, 3, 20)},
    };
    OldContact first;
    first.order = 2;
    first.name = QStringLiteral("bia D'Ávila");
    first.birthday = QStringLiteral("15/03");
    first.notes = QStringLiteral("Gosta de 'chá'");
    first.phone = QStringLiteral("(11)1111-2222");
    OldContact second;
    second.order = 1;
    second.name = QStringLiteral("Caio");
    second.birthday = QStringLiteral("00/00");
    second.company = QStringLiteral("Oficina");
    OldContact third;
    third.order = 3;
    third.name = QStringLiteral("Dora");
    third.birthday = QStringLiteral("16/03");
    OldContact fourth;
    fourth.order = 4;
    fourth.name = QStringLiteral("Quebra");
    data.contacts = {first, second, third, fourth};
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
    // The same from the logon window of a started shell, answering yes.
    void newUserAtLogon(Shell& shell, const QString& login) {
        shell.start(false);
        app.messages.clear();
        QTest::keyClicks(shell.logonWindow()->txtLogin, login);
        app.messages.answer(true);
        shell.logonWindow()->cmdNovoUsuario->click();
        shown = shell.mainWindow();
    }
};

TEST_F(OldDataImport, OldSettingsPrefillTheNewUserPage) {
    EXPECT_TRUE(canImport(app.ctx));
    newUserAnswering(QStringLiteral("ANA"), true);
    EXPECT_EQ(app.messages.texts(), QStringList{kImportQuestion});
    EXPECT_EQ(box("txtSenhaAtual")->text(), QStringLiteral("Velha"));
    EXPECT_EQ(box("txtSenhaAtual")->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(box("txtSenhaAtual")->isEnabled());
    EXPECT_FALSE(box("txtSenhaNova")->isEnabled());
    EXPECT_EQ(box("txtAgendaInicio")->text(), QStringLiteral("07:30"));
    EXPECT_EQ(box("txtAgendaFim")->text(), QStringLiteral("19:00"));
    EXPECT_EQ(box("txtAgendaIntervalo")->text(), QStringLiteral("59"));
    EXPECT_EQ(box("txtAgendaTempoChecagem")->text(), QStringLiteral("5"));
    EXPECT_EQ(box("txtDadosNome")->text(), QStringLiteral("Ana D'Ávila"));
    EXPECT_EQ(box("txtDadosTelefone")->text(), QStringLiteral("(11)3333-4444"));
    EXPECT_EQ(box("txtDadosEmail")->text(), QStringLiteral("ana@exemplo.com"));

    // A half-hour step is taken as it is; without the answer nothing is prefilled.
    QFile::remove(oldFile());
    OldData data = oldOwnerData();
    data.config->step = QTime(0, 30);
    data.config->password.clear();
    writeOldDataFile(oldFile(), data);
    const auto form = importOldSettings(app.ctx);
    ASSERT_TRUE(form.has_value());
    EXPECT_EQ(form->gridStep, QStringLiteral("30"));
    EXPECT_TRUE(form->newPasswordEnabled);
    EXPECT_TRUE(app.ctx.session.password.isEmpty());
    app.ctx.session.importAnswer = false;
    EXPECT_FALSE(importOldSettings(app.ctx).has_value());
}

TEST_F(OldDataImport, SavedNewUserTakesOverAppointmentsAndContactsOnce) {
    // From the logon window: the question is asked and answered yes.
    Shell shell(app.ctx, false);
    newUserAtLogon(shell, QStringLiteral("ana"));
    EXPECT_EQ(app.messages.texts(), QStringList{kImportQuestion});
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(box("txtDadosNome")->text(), QStringLiteral("Ana D'Ávila"));
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), QStringLiteral("Senha Atual e Confirmação Diferentes !"));
    EXPECT_EQ(focused(), QStringLiteral("txtSenhaReNova"));
    EXPECT_EQ(app.count(QStringLiteral("Usuarios")), 0);
    type("txtSenhaReNova", QStringLiteral("Velha"));
    app.messages.clear();
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.texts(), QStringList{kSettingsSaved});

    const qint64 code = app.ctx.session.userCode;
    ASSERT_NE(code, 0);
    EXPECT_EQ(row(QStringLiteral("Usuarios"), QStringLiteral("Codigo = ?"), {code}).field("Senha"),
              encodePassword(QStringLiteral("Velha")));
    EXPECT_EQ(row(QStringLiteral("Configuracao"), QStringLiteral("Usuario = ?"), {code})
                  .integer("Intervalos"),
              59);

    RowSet appts = app.ctx.db.runQuery(
        QStringLiteral("Select * from Compromissos Where Usuario = ? and Status <> '2' "
                       "Order By Chave"),
        {code});
    QStringList seen;
    for (; !appts.eof(); appts.moveNext()) {
        seen << appts.text("Compromisso") + QLatin1Char('=') + appts.text("Status") +
                    QLatin1Char('@') + appts.text("Hora");
    }
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Dentista d'ela=0@14:00:00"),
                                 QStringLiteral("Reunião feita=1@09:00:00"),
                                 QStringLiteral("Sem aviso=3@10:00:00"),
                                 QStringLiteral("Dia inteiro=3@")}));

    RowSet contacts = app.ctx.db.runQuery(
        QStringLiteral("Select * from Enderecos Where Usuario = ? Order By Chave"), {code});
    ASSERT_EQ(contacts.recordCount(), 4);
    EXPECT_EQ(contacts.text("Nome"), QStringLiteral("Caio")); // Ordem 1 first
    EXPECT_EQ(contacts.text("Empresa"), QStringLiteral("Oficina"));
    EXPECT_TRUE(contacts.isNull("Aniversario"));
    EXPECT_EQ(contacts.integer("ChaveAniversario"), 0);
    contacts.moveNext();
    EXPECT_EQ(contacts.text("Nome"), QStringLiteral("Bia D'Ávila"));
    EXPECT_EQ(contacts.text("Observacao"), QStringLiteral("Gosta de 'chá'"));
    EXPECT_EQ(contacts.text("FoneRes"), QStringLiteral("(11)1111-2222"));
    EXPECT_EQ(contacts.text("Compartilhado"), QStringLiteral("N"));
    const RowSet birthday = row(QStringLiteral("Compromissos"), QStringLiteral("Chave = ?"),
                                {contacts.integer("ChaveAniversario")});
    EXPECT_EQ(birthday.text("Compromisso"), QStringLiteral("Aniversário Bia D'Ávila"));
    EXPECT_EQ(birthday.text("Status"), QStringLiteral("2"));
    EXPECT_EQ(birthday.date("Data"), QDate(2027, 3, 15)); // today, 15 March: next year
    contacts.moveNext();
    EXPECT_EQ(row(QStringLiteral("Compromissos"), QStringLiteral("Chave = ?"),
                  {contacts.integer("ChaveAniversario")})
                  .date("Data"),
              QDate(2026, 3, 16));

    EXPECT_EQ(readImportFlag(app.ctx.db), QStringLiteral("S"));
    EXPECT_FALSE(QFile::exists(oldFile()));
    EXPECT_FALSE(app.ctx.session.newUserMode);

    // No later new user is asked, even in the same run.
    shell.mainWindow()->cmdLogout->click();
    ASSERT_TRUE(shell.logonWindow()->isVisible());
    app.messages.clear();
    shell.logonWindow()->txtLogin->clear();
    QTest::keyClicks(shell.logonWindow()->txtLogin, QStringLiteral("bruno"));
    shell.logonWindow()->cmdNovoUsuario->click();
    EXPECT_TRUE(app.messages.texts().isEmpty());
    EXPECT_FALSE(app.ctx.session.importAnswer);
    EXPECT_TRUE(app.ctx.session.newUserMode);
}

// Three appointments of today and four contacts, one born on 29 February.
OldData smallBook() {
    OldData data;
    data.config = OldConfig{QStringLiteral("Velha"),
                            QTime(8, 0),
                            QTime(18, 0),
                            QTime(0, 30),
                            QStringLiteral("Lia"),
                            QString(),
                            QString(),
                            QStringLiteral("lia@exemplo.com"),
                            3};
    const QDate today(2026, 3, 15);
    data.appointments = {
        {today, QTime(9, 0), QStringLiteral("Café d'ontem"), "S", "N", {}},
        {today, QTime(11, 0), QStringLiteral("Banco"), "N", "S", {}},
        {today, QTime(), QStringLiteral("Feriado"), "N", {}, {}},
    };
    const auto contact = [](int order, const char* name, const char* birthday) {
        OldContact c;
        c.order = order;
        c.name = QString::fromUtf8(name);
        c.birthday = QString::fromUtf8(birthday);
        c.phone = QStringLiteral("3333-000") + QString::number(order);
        return c;
    };
    data.contacts = {contact(1, "ana", "16/03"), contact(2, "Bento", "29/02"),
                     contact(3, "Caio O'Hara", "00/00"), contact(4, "Dalva", "31/04")};
    return data;
}

// The texts of the filled rows of a grid's column, from row 1 on.
QStringList column(const Grid& grid, int col) {
    QStringList list;
    for (int r = 1; r < grid.rows(); ++r) {
        if (!grid.text(r, col).trimmed().isEmpty()) {
            list << grid.text(r, col).trimmed();
        }
    }
    return list;
}

TEST_F(OldDataImport, ImportedDataShowsInTheNewUsersPanels) {
    QFile::remove(oldFile());
    writeOldDataFile(oldFile(), smallBook());
    Shell shell(app.ctx, false);
    newUserAtLogon(shell, QStringLiteral("lia"));
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(box("txtAgendaIntervalo")->text(), QStringLiteral("30"));
    EXPECT_EQ(box("txtAgendaTempoChecagem")->text(), QStringLiteral("3"));
    type("txtSenhaReNova", QStringLiteral("Velha"));
    app.messages.clear();
    click("cmdAgendaGravar");
    ASSERT_EQ(app.messages.texts(), QStringList{kSettingsSaved});

    // The day grid of today: the all-day entry first, then the two by their times.
    shell.mainWindow()->pressPanel(panel::Compromissos);
    auto* day = shown->findChild<appointments::AppointmentsPanel*>();
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(column(*day->grdCompromissos, 3),
              (QStringList{QStringLiteral("Feriado"), QStringLiteral("Café d'ontem"),
                           QStringLiteral("Banco")}));
    // Tomorrow holds the birthday the contact brought along.
    day->showDay(QDate(2026, 3, 16));
    EXPECT_EQ(column(*day->grdCompromissos, 3), QStringList{QStringLiteral("Aniversário Ana")});
    day->showDay(QDate(2028, 2, 29));
    EXPECT_EQ(column(*day->grdCompromissos, 3), QStringList{QStringLiteral("Aniversário Bento")});

    // The address book, letter by letter; only real birthdays came over.
    shell.mainWindow()->pressPanel(panel::Enderecos);
    const auto letters = shown->findChildren<QPushButton*>(QStringLiteral("cmdLetra"));
    auto* book = shown->findChild<Grid*>(QStringLiteral("grdEndereco"));
    ASSERT_NE(book, nullptr);
    QStringList seen;
    for (QPushButton* letter : letters) {
        if (QStringLiteral("ABCD").contains(letter->text())) {
            letter->click();
            for (int r = 1; r < book->rows(); ++r) {
                seen << book->text(r, 1).trimmed() + QLatin1Char('|') + book->text(r, 2).trimmed() +
                            QLatin1Char('|') + book->text(r, 4).trimmed();
            }
        }
    }
    seen.sort();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Ana|3333-0001|16/03"),
                                 QStringLiteral("Bento|3333-0002|29/02"),
                                 QStringLiteral("Caio O'Hara|3333-0003|"),
                                 QStringLiteral("Dalva|3333-0004|")}));
    EXPECT_EQ(app.count(QStringLiteral("Compromissos")), 5);
}

TEST_F(OldDataImport, EveryContactFieldLandsInItsOwnColumnUnchanged) {
    QFile::remove(oldFile());
    OldContact c;
    c.name = QStringLiteral("  d'Ávila ");
    c.company = QStringLiteral("Pão d'Açúcar");
    c.address = QStringLiteral("Rua d'Ajuda, 1");
    c.city = QStringLiteral("Sant'Ana");
    c.state = QStringLiteral("SP");
    c.postalCode = QStringLiteral("01001000");
    c.email = QStringLiteral("o'hara@exemplo.com");
    c.phone = QStringLiteral("1111-1111");
    c.mobile = QStringLiteral("2222-2222");
    c.business = QStringLiteral("3333-3333");
    c.birthday = QStringLiteral("29/02");
    c.notes = QStringLiteral("'' duas aspas");
    OldData data;
    data.contacts = {c};
    writeOldDataFile(oldFile(), data);
    app.logOn(app.addUser(QStringLiteral("EVA")));
    importOldData(app.ctx);

    const RowSet r = app.ctx.db.runQuery(QStringLiteral("Select * from Enderecos"));
    ASSERT_EQ(r.recordCount(), 1);
    const QStringList columns{"Nome",    "Empresa", "Endereco",    "Cidade",
                              "Estado",  "Cep",     "Email",       "FoneRes",
                              "FoneCel", "FoneCom", "Aniversario", "Observacao"};
    QStringList stored;
    for (const QString& column : columns) {
        stored << r.text(column);
    }
    EXPECT_EQ(stored, (QStringList{"D'Ávila", c.company, c.address, c.city, c.state, c.postalCode,
                                   c.email, c.phone, c.mobile, c.business, "29/02", c.notes}));
    // Today is 15/03/2026: the birthday waits for the next 29 February.
    const RowSet birthday = row(QStringLiteral("Compromissos"), QStringLiteral("Chave = ?"),
                                {r.integer("ChaveAniversario")});
    EXPECT_EQ(birthday.date("Data"), QDate(2028, 2, 29));
    EXPECT_EQ(birthday.text("Compromisso"), QStringLiteral("Aniversário D'Ávila"));
    EXPECT_EQ(birthday.text("Compartilhado"), QStringLiteral("N"));
}

TEST_F(OldDataImport, FailureHalfWayCopiesNothingAndKeepsTheOldFile) {
    app.ctx.db.executeSql(
        QStringLiteral("Create Trigger quebra Before Insert On Enderecos When NEW.Nome = 'Quebra' "
                       "Begin Select Raise(Abort, 'falha provocada'); End"));
    newUserAnswering(QStringLiteral("BETO"), true);
    type("txtSenhaReNova", QStringLiteral("Velha"));
    app.messages.clear();
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.texts(), (QStringList{kImportFailed, kSettingsSaved}));
    const qint64 code = app.ctx.session.userCode;
    ASSERT_NE(code, 0);
    EXPECT_FALSE(app.ctx.session.newUserMode);
    EXPECT_EQ(app.count(QStringLiteral("Compromissos")), 0);
    EXPECT_EQ(app.count(QStringLiteral("Enderecos")), 0);
    EXPECT_EQ(readImportFlag(app.ctx.db), QStringLiteral("N"));
    EXPECT_TRUE(QFile::exists(oldFile()));
    EXPECT_EQ(logOn(app.ctx, QStringLiteral("BETO"), QStringLiteral("Velha")),
              LogonResult::LoggedOn);
}

TEST_F(OldDataImport, AnsweringNoPrefillsNothingAndCopiesNothing) {
    newUserAnswering(QStringLiteral("CIDA"), false);
    EXPECT_TRUE(box("txtDadosNome")->text().isEmpty());
    EXPECT_TRUE(box("txtSenhaNova")->isEnabled());
    type("txtDadosNome", QStringLiteral("Cida"));
    type("txtDadosEmail", QStringLiteral("cida@exemplo.com"));
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), kSettingsSaved);
    EXPECT_EQ(app.count(QStringLiteral("Compromissos")), 0);
    EXPECT_EQ(readImportFlag(app.ctx.db), QStringLiteral("N"));
    EXPECT_TRUE(QFile::exists(oldFile()));
}

} // namespace
} // namespace orv::test
