#include "SettingsFixture.h"

#include "session/Logon.h"
#include "session/PasswordHash.h"

#include <QRadioButton>

namespace orv::test {
namespace {

using SettingsSave = SettingsFixture;

TEST_F(SettingsSave, FirstFailingCheckWinsAndNothingIsWritten) {
    openFor(app.addUser("ANA", "abc"));
    auto* page = find<SettingsPage>("frmConfig");
    ASSERT_TRUE(page->isVisible());
    ASSERT_TRUE(box("txtSenhaAtual")->isEnabled());

    // Everything wrong at once; each fix uncovers the next check in order.
    for (const char* name : {"txtDadosNome", "txtDadosEmail", "txtAgendaInicio", "txtAgendaFim",
                             "txtAgendaIntervalo", "txtAgendaTempoChecagem"}) {
        box(name)->clear();
    }
    box("txtDadosNascimento")->setText("31/02/1980");
    box("txtSenhaAtual")->setText("errada");
    box("txtSenhaNova")->setText("nova");
    box("txtSenhaReNova")->setText("outra");
    const QByteArray before = dataBytes();

    const auto set = [this](const char* name, const char* text) {
        return [this, name, text] { box(name)->setText(QString::fromUtf8(text)); };
    };
    const char* kStartAfterEnd = "Hora de Início não pode ser Maior que Hora Final da Grade!";
    const char* kStepBounds =
        "Informe no mínimo 1 ou no máximo 60 minutos para o Intervalo da Grade!";
    const char* kCheckBounds =
        "Informe no mínimo 1 ou no máximo 60 minutos para o Tempo de Checagem!";
    const int I = msg::Information, S = msg::Serious;
    const struct {
        std::function<void()> fix; // applied before the save
        const char* message;
        int icon;
        const char* focus;
    } steps[] = {
        {[] {}, "Informe o Nome!", I, "txtDadosNome"},
        {[this] { type("txtDadosNome", "Ana Souza"); }, "Informe o Email!", I, "txtDadosEmail"},
        {set("txtDadosEmail", "ana.exemplo.com"), "Informe um Email Válido!", S, "txtDadosEmail"},
        {set("txtDadosEmail", "ana@exemplo.com"), "Informe uma Data Válida para o seu Aniversário!",
         I, "txtDadosNascimento"},
        {set("txtDadosNascimento", "5/3/1980"), "Senha Atual não Confere!", S, "txtSenhaNova"},
        {set("txtSenhaAtual", "abc"), "Nova Senha e Confirmação Diferentes !", S, "txtSenhaNova"},
        {set("txtSenhaReNova", "nova"), "Informe o Horário para o Início da Grade!", I,
         "txtAgendaInicio"},
        {set("txtAgendaInicio", "25:00"), "Informe um Horário Válido para o Início da Grade!", S,
         "txtAgendaInicio"},
        {set("txtAgendaInicio", "9"), "Informe o Horário para o Fim da Grade!", I, "txtAgendaFim"},
        {set("txtAgendaFim", "7:61"), "Informe um Horário Válido para o Fim da Grade!", S,
         "txtAgendaFim"},
        {set("txtAgendaFim", "09:00"), kStartAfterEnd, S, "txtAgendaInicio"},
        {set("txtAgendaFim", "8:00"), kStartAfterEnd, S, "txtAgendaInicio"},
        {set("txtAgendaFim", "18:30"), "Informe o Intervalo da Grade!", I, "txtAgendaIntervalo"},
        {set("txtAgendaIntervalo", "1-2"), "Informe um Valor Válido para o Intervalo da Grade!", S,
         "txtAgendaIntervalo"},
        {set("txtAgendaIntervalo", "61"), kStepBounds, I, "txtAgendaIntervalo"},
        {set("txtAgendaIntervalo", "0"), kStepBounds, I, "txtAgendaIntervalo"},
        {set("txtAgendaIntervalo", "-5"), kStepBounds, I, "txtAgendaIntervalo"},
        {set("txtAgendaIntervalo", "60"), "Informe o Tempo de Checagem!", I,
         "txtAgendaTempoChecagem"},
        {set("txtAgendaTempoChecagem", "."), "Informe um Valor Válido para o Tempo de Checagem!", S,
         "txtAgendaTempoChecagem"},
        {set("txtAgendaTempoChecagem", "61"), kCheckBounds, I, "txtAgendaTempoChecagem"},
        {set("txtAgendaTempoChecagem", "0"), kCheckBounds, I, "txtAgendaTempoChecagem"},
    };
    for (const auto& step : steps) {
        step.fix();
        app.messages.clear();
        click("cmdAgendaGravar");
        ASSERT_EQ(app.messages.shown().size(), 1u) << step.message;
        EXPECT_EQ(app.messages.last(), QString::fromUtf8(step.message));
        EXPECT_EQ(app.messages.shown().back().icon, step.icon) << step.message;
        EXPECT_EQ(app.messages.shown().back().buttons, msg::Okay);
        EXPECT_EQ(focused(), QLatin1String(step.focus)) << step.message;
        EXPECT_EQ(dataBytes(), before) << step.message;
        EXPECT_TRUE(page->isVisible());
    }
    // The boxes that passed were rewritten in their standard form.
    EXPECT_EQ(texts("txtDadosNascimento txtAgendaInicio txtAgendaFim"), "05/03/1980|09:00|18:30");

    // The last fix saves: 60 is the upper bound of both boxes.
    app.messages.clear();
    box("txtAgendaTempoChecagem")->setText("60");
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.texts(), QStringList{kSettingsSaved});
    EXPECT_EQ(app.messages.shown().back().icon, msg::NoIcon);
    const RowSet user = row("Usuarios", "Login = ?", {"ANA"});
    EXPECT_EQ(user.text("Nome"), "Ana Souza");
    EXPECT_EQ(user.date("Aniversario"), QDate(1980, 3, 5));
    EXPECT_TRUE(passwordMatches(user.field("Senha"), "nova"));
    EXPECT_EQ(fields(configRow(app.ctx.session.userCode),
                     "InicioGrade FinalGrade Intervalos ChecagemGeral"),
              "09:00:00|18:30:00|60|60");
    EXPECT_EQ(app.ctx.settings.gridStart, QTime(9, 0));
    EXPECT_EQ(app.ctx.session.password, "nova");
    EXPECT_FALSE(page->isVisible());
}

TEST_F(SettingsSave, PasswordIsSetChangedRemovedOrKept) {
    const qint64 code = app.addUser("BIA");
    const auto stored = [&] { return userRow(code).field("Senha"); };
    const auto save = [&] {
        app.messages.clear();
        click("cmdAgendaGravar");
        if (window->panelName() != "Configuracao") {
            window->openSettings();
        }
    };

    // Without a password the current box is off. Each new password, typed
    // twice, logs on exactly as typed, blanks and all; the stored hash holds
    // none of it; the one before is needed for the next, case and all.
    openFor(code);
    EXPECT_FALSE(box("txtSenhaAtual")->isEnabled());
    QString current;
    for (const char* typed : {"xy ", " xy", "a🔑", "Ção", "€uro"}) {
        const QString password = QString::fromUtf8(typed);
        SCOPED_TRACE(typed);
        typeText(box("txtSenhaNova"), password);
        typeText(box("txtSenhaReNova"), password);
        if (!current.isEmpty()) {
            typeText(box("txtSenhaAtual"), current.toUpper());
            save();
            EXPECT_EQ(app.messages.last(), "Senha Atual não Confere!");
            box("txtSenhaAtual")->clear();
            typeText(box("txtSenhaAtual"), current);
        }
        save();
        EXPECT_EQ(app.messages.last(), kSettingsSaved);
        EXPECT_TRUE(isPasswordHash(stored().toString()));
        EXPECT_FALSE(stored().toString().contains(password));
        const QString other = password == password.trimmed() ? password + "x" : password.trimmed();
        EXPECT_EQ(logOn(app.ctx, "BIA", other), LogonResult::WrongPassword);
        EXPECT_EQ(logOn(app.ctx, "BIA", password), LogonResult::LoggedOn);
        current = password;
    }

    // Nothing typed in the password boxes keeps it.
    EXPECT_TRUE(box("txtSenhaAtual")->isEnabled());
    const QVariant set = stored();
    save();
    EXPECT_EQ(stored(), set);

    // Removing it with a wrong current password is refused; with the right one
    // the stored password becomes NULL.
    const QByteArray before = dataBytes();
    type("txtSenhaAtual", "errada");
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), "Senha Atual não Confere!");
    EXPECT_EQ(focused(), "txtSenhaAtual");
    EXPECT_EQ(dataBytes(), before);
    box("txtSenhaAtual")->clear();
    typeText(box("txtSenhaAtual"), current);
    save();
    EXPECT_EQ(app.messages.last(), kSettingsSaved);
    EXPECT_TRUE(stored().isNull());
    EXPECT_TRUE(app.ctx.session.password.isEmpty());
    EXPECT_FALSE(box("txtSenhaAtual")->isEnabled());
    EXPECT_EQ(logOn(app.ctx, "BIA", ""), LogonResult::LoggedOn);
}

TEST_F(SettingsSave, LoggedOnUserSaveRefreshesSessionAndReturnsToLastPanel) {
    const qint64 code = app.addUser("CAIO", {}, "Notas");
    const qint64 other = app.addUser("DANI");
    openFor(code);
    EXPECT_EQ(window->panelName(), "Configuracao");
    EXPECT_TRUE(find<QPushButton>("cmdExcluirUsuario")->isVisible());
    EXPECT_EQ(box("txtAgendaInicio")->text(), "08:00");
    EXPECT_EQ(box("txtDadosNascimento")->text(), QString());
    EXPECT_EQ(find<QComboBox>("cmbAgendaSom")->currentText(), "Cuco");

    // Cancel goes back to the panel shown before and writes nothing.
    click("cmdAgendaCancelar");
    EXPECT_EQ(window->panelName(), "Notas");

    window->openSettings();
    // Apostrophes never reach the boxes through the keyboard; a pasted one is
    // just a character of the stored text.
    box("txtDadosEndereco")->setText("Rua D'Ajuda, 5");
    type("txtDadosTelefone", "(11) 5555-1234");
    box("txtDadosCelular")->clear();
    type("txtDadosNome", "Caio Prado");
    box("txtAgendaIntervalo")->setText("15.9");
    find<QRadioButton>("optAgendaNiverFim")->setChecked(true);
    find<QComboBox>("cmbAgendaSom")->setCurrentText("Sirene");
    find<QCheckBox>("chkAgendaVisCompartilhados")->setChecked(false);
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), kSettingsSaved);
    EXPECT_EQ(window->panelName(), "Notas");
    EXPECT_EQ(window->lblIdentNome->text(), "Caio Prado");

    EXPECT_EQ(fields(userRow(code), "Endereco FoneRes FoneCel Cidade"),
              "Rua D'Ajuda, 5|(11)5555-1234| |null");
    EXPECT_EQ(fields(configRow(code), "Intervalos PosicaoAniversarios SomCompromisso "
                                      "VisualizarCompartilhamento"),
              "15|D|Sirene|N");
    EXPECT_EQ(app.ctx.settings.gridStep, 15);
    EXPECT_EQ(app.ctx.settings.soundName, "Sirene");
    EXPECT_FALSE(app.ctx.settings.showShared);
    EXPECT_EQ(app.ctx.session.name, "Caio Prado");
    // The other user's rows are untouched.
    EXPECT_EQ(configRow(other).text("SomCompromisso"), "Cuco");

    // A user whose settings row went missing gets one back on save.
    app.ctx.db.executeSql("Delete from Configuracao Where Usuario = ?", {code});
    window->openSettings();
    click("cmdAgendaGravar");
    EXPECT_EQ(configRow(code).text("SomCompromisso"), "Sirene");
}

} // namespace
} // namespace orv::test
