#include "SettingsFixture.h"

#include "session/Logon.h"
#include "session/Passwords.h"

#include <QComboBox>
#include <QRadioButton>

namespace orv::test {
namespace {

using SettingsSave = SettingsFixture;

TEST_F(SettingsSave, FirstFailingCheckWinsAndNothingIsWritten) {
    openFor(app.addUser(QStringLiteral("ANA"), QStringLiteral("abc")));
    auto* page = find<SettingsPage>("frmConfig");
    ASSERT_TRUE(page->isVisible());
    ASSERT_TRUE(box("txtSenhaAtual")->isEnabled());

    // Everything wrong at once; each fix uncovers the next check in order.
    for (const char* name : {"txtDadosNome", "txtDadosEmail", "txtAgendaInicio", "txtAgendaFim",
                             "txtAgendaIntervalo", "txtAgendaTempoChecagem"}) {
        box(name)->clear();
    }
    box("txtDadosNascimento")->setText(QStringLiteral("31/02/1980"));
    box("txtSenhaAtual")->setText(QStringLiteral("errada"));
    box("txtSenhaNova")->setText(QStringLiteral("nova"));
    box("txtSenhaReNova")->setText(QStringLiteral("outra"));
    const QByteArray before = dataBytes();

    struct Step {
        std::function<void()> fix; // applied before the save
        const char* message;
        int icon;
        const char* focus;
    };
    const auto set = [this](const char* name, const char* text) {
        return [this, name, text] { box(name)->setText(QString::fromUtf8(text)); };
    };
    const Step steps[] = {
        {[] {}, "Informe o Nome!", msg::Information, "txtDadosNome"},
        {[this] { type("txtDadosNome", QStringLiteral("Ana Souza")); }, "Informe o Email!",
         msg::Information, "txtDadosEmail"},
        {set("txtDadosEmail", "ana.exemplo.com"), "Informe um Email Válido!", msg::Serious,
         "txtDadosEmail"},
        {set("txtDadosEmail", "ana@exemplo.com"), "Informe uma Data Válida para o seu Aniversário!",
         msg::Information, "txtDadosNascimento"},
        {set("txtDadosNascimento", "5/3/1980"), "Senha Atual não Confere!", msg::Serious,
         "txtSenhaNova"},
        {set("txtSenhaAtual", "abc"), "Nova Senha e Confirmação Diferentes !", msg::Serious,
         "txtSenhaNova"},
        {set("txtSenhaReNova", "nova"), "Informe o Horário para o Início da Grade!",
         msg::Information, "txtAgendaInicio"},
        {set("txtAgendaInicio", "25:00"), "Informe um Horário Válido para o Início da Grade!",
         msg::Serious, "txtAgendaInicio"},
        {set("txtAgendaInicio", "9"), "Informe o Horário para o Fim da Grade!", msg::Information,
         "txtAgendaFim"},
        {set("txtAgendaFim", "7:61"), "Informe um Horário Válido para o Fim da Grade!",
         msg::Serious, "txtAgendaFim"},
        {set("txtAgendaFim", "09:00"), "Hora de Início não pode ser Maior que Hora Final da Grade!",
         msg::Serious, "txtAgendaInicio"},
        {set("txtAgendaFim", "8:00"), "Hora de Início não pode ser Maior que Hora Final da Grade!",
         msg::Serious, "txtAgendaInicio"},
        {set("txtAgendaFim", "18:30"), "Informe o Intervalo da Grade!", msg::Information,
         "txtAgendaIntervalo"},
        {set("txtAgendaIntervalo", "1-2"), "Informe um Valor Válido para o Intervalo da Grade!",
         msg::Serious, "txtAgendaIntervalo"},
        {set("txtAgendaIntervalo", "61"),
         "Informe no mínimo 1 ou no máximo 60 minutos para o Intervalo da Grade!", msg::Information,
         "txtAgendaIntervalo"},
        {set("txtAgendaIntervalo", "0"),
         "Informe no mínimo 1 ou no máximo 60 minutos para o Intervalo da Grade!", msg::Information,
         "txtAgendaIntervalo"},
        {set("txtAgendaIntervalo", "-5"),
         "Informe no mínimo 1 ou no máximo 60 minutos para o Intervalo da Grade!", msg::Information,
         "txtAgendaIntervalo"},
        {set("txtAgendaIntervalo", "60"), "Informe o Tempo de Checagem!", msg::Information,
         "txtAgendaTempoChecagem"},
        {set("txtAgendaTempoChecagem", "."), "Informe um Valor Válido para o Tempo de Checagem!",
         msg::Serious, "txtAgendaTempoChecagem"},
        {set("txtAgendaTempoChecagem", "61"),
         "Informe no mínimo 1 ou no máximo 60 minutos para o Tempo de Checagem!", msg::Information,
         "txtAgendaTempoChecagem"},
        {set("txtAgendaTempoChecagem", "0"),
         "Informe no mínimo 1 ou no máximo 60 minutos para o Tempo de Checagem!", msg::Information,
         "txtAgendaTempoChecagem"},
        {set("txtAgendaTempoChecagem", "-5"),
         "Informe no mínimo 1 ou no máximo 60 minutos para o Tempo de Checagem!", msg::Information,
         "txtAgendaTempoChecagem"},
    };
    for (const Step& step : steps) {
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
    EXPECT_EQ(box("txtDadosNascimento")->text(), QStringLiteral("05/03/1980"));
    EXPECT_EQ(box("txtAgendaInicio")->text(), QStringLiteral("09:00"));
    EXPECT_EQ(box("txtAgendaFim")->text(), QStringLiteral("18:30"));

    // The last fix saves: 60 is the upper bound of both boxes.
    app.messages.clear();
    box("txtAgendaTempoChecagem")->setText(QStringLiteral("60"));
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.texts(), QStringList{kSettingsSaved});
    EXPECT_EQ(app.messages.shown().back().icon, msg::NoIcon);
    const RowSet user = row(QStringLiteral("Usuarios"), QStringLiteral("Login = ?"), {"ANA"});
    EXPECT_EQ(user.text("Nome"), QStringLiteral("Ana Souza"));
    EXPECT_EQ(user.date("Aniversario"), QDate(1980, 3, 5));
    EXPECT_EQ(user.field("Senha").toString(), encodePassword(QStringLiteral("nova")));
    const RowSet config = row(QStringLiteral("Configuracao"), QStringLiteral("Usuario = ?"),
                              {app.ctx.session.userCode});
    EXPECT_EQ(config.time("InicioGrade"), QTime(9, 0));
    EXPECT_EQ(config.time("FinalGrade"), QTime(18, 30));
    EXPECT_EQ(config.integer("Intervalos"), 60);
    EXPECT_EQ(config.integer("ChecagemGeral"), 60);
    EXPECT_EQ(app.ctx.settings.gridStart, QTime(9, 0));
    EXPECT_EQ(app.ctx.session.password, QStringLiteral("nova"));
    EXPECT_FALSE(page->isVisible());
}

TEST_F(SettingsSave, PasswordIsSetChangedRemovedOrKept) {
    const qint64 code = app.addUser(QStringLiteral("BIA"));
    const auto stored = [&] {
        return row(QStringLiteral("Usuarios"), QStringLiteral("Codigo = ?"), {code}).field("Senha");
    };
    const auto reopen = [&] {
        if (window->panelName() == QStringLiteral("Configuracao")) {
            return;
        }
        window->openSettings();
        app.messages.clear();
    };

    // Without a password the current box is off and two new boxes set one;
    // blanks around it are not part of it.
    openFor(code);
    EXPECT_FALSE(box("txtSenhaAtual")->isEnabled());
    type("txtSenhaNova", QStringLiteral(" s3gredo "));
    type("txtSenhaReNova", QStringLiteral(" s3gredo "));
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), kSettingsSaved);
    EXPECT_EQ(stored().toString(), encodePassword(QStringLiteral("s3gredo")));
    EXPECT_EQ(app.ctx.session.password, QStringLiteral("s3gredo"));
    EXPECT_EQ(logOn(app.ctx, QStringLiteral("BIA"), QStringLiteral("s3gredo")),
              LogonResult::LoggedOn);

    // Nothing typed in the password boxes keeps it.
    reopen();
    EXPECT_TRUE(box("txtSenhaAtual")->isEnabled());
    click("cmdAgendaGravar");
    EXPECT_EQ(stored().toString(), encodePassword(QStringLiteral("s3gredo")));

    // Changing it needs the current one, case and all.
    reopen();
    type("txtSenhaAtual", QStringLiteral("S3GREDO"));
    type("txtSenhaNova", QStringLiteral("outra"));
    type("txtSenhaReNova", QStringLiteral("outra"));
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), QStringLiteral("Senha Atual não Confere!"));
    type("txtSenhaAtual", QStringLiteral("s3gredo"));
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), kSettingsSaved);
    EXPECT_EQ(stored().toString(), encodePassword(QStringLiteral("outra")));

    // Removing it with a wrong current password is refused; with the right one
    // the stored password becomes NULL.
    reopen();
    const QByteArray before = dataBytes();
    type("txtSenhaAtual", QStringLiteral("errada"));
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), QStringLiteral("Senha Atual não Confere!"));
    EXPECT_EQ(focused(), QStringLiteral("txtSenhaAtual"));
    EXPECT_EQ(dataBytes(), before);
    type("txtSenhaAtual", QStringLiteral("outra"));
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), kSettingsSaved);
    EXPECT_TRUE(stored().isNull());
    EXPECT_TRUE(app.ctx.session.password.isEmpty());
    reopen();
    EXPECT_FALSE(box("txtSenhaAtual")->isEnabled());
}

TEST_F(SettingsSave, LoggedOnUserSaveRefreshesSessionAndReturnsToLastPanel) {
    const qint64 code = app.addUser(QStringLiteral("CAIO"), {}, QStringLiteral("Notas"));
    const qint64 other = app.addUser(QStringLiteral("DANI"));
    openFor(code);
    EXPECT_EQ(window->panelName(), QStringLiteral("Configuracao"));
    EXPECT_TRUE(find<QPushButton>("cmdExcluirUsuario")->isVisible());
    EXPECT_EQ(box("txtAgendaInicio")->text(), QStringLiteral("08:00"));
    EXPECT_EQ(box("txtDadosNascimento")->text(), QString());
    EXPECT_EQ(find<QComboBox>("cmbAgendaSom")->currentText(), QStringLiteral("Cuco"));

    // Cancel goes back to the panel shown before and writes nothing.
    click("cmdAgendaCancelar");
    EXPECT_EQ(window->panelName(), QStringLiteral("Notas"));

    window->openSettings();
    // Apostrophes never reach the boxes through the keyboard; a pasted one is
    // just a character of the stored text.
    box("txtDadosEndereco")->setText(QStringLiteral("Rua D'Ajuda, 5"));
    type("txtDadosTelefone", QStringLiteral("(11) 5555-1234"));
    box("txtDadosCelular")->clear();
    type("txtDadosNome", QStringLiteral("Caio Prado"));
    box("txtAgendaIntervalo")->setText(QStringLiteral("15.9"));
    find<QRadioButton>("optAgendaNiverFim")->setChecked(true);
    find<QComboBox>("cmbAgendaSom")->setCurrentText(QStringLiteral("Sirene"));
    find<QCheckBox>("chkAgendaVisCompartilhados")->setChecked(false);
    click("cmdAgendaGravar");
    EXPECT_EQ(app.messages.last(), kSettingsSaved);
    EXPECT_EQ(window->panelName(), QStringLiteral("Notas"));
    EXPECT_EQ(window->lblIdentNome->text(), QStringLiteral("Caio Prado"));

    const RowSet user = row(QStringLiteral("Usuarios"), QStringLiteral("Codigo = ?"), {code});
    EXPECT_EQ(user.text("Endereco"), QStringLiteral("Rua D'Ajuda, 5"));
    EXPECT_EQ(user.text("FoneRes"), QStringLiteral("(11)5555-1234"));
    EXPECT_EQ(user.field("FoneCel").toString(), QStringLiteral(" "));
    EXPECT_TRUE(user.isNull("Cidade"));
    const RowSet config =
        row(QStringLiteral("Configuracao"), QStringLiteral("Usuario = ?"), {code});
    EXPECT_EQ(config.integer("Intervalos"), 15);
    EXPECT_EQ(config.text("PosicaoAniversarios"), QStringLiteral("D"));
    EXPECT_EQ(config.text("SomCompromisso"), QStringLiteral("Sirene"));
    EXPECT_EQ(config.text("VisualizarCompartilhamento"), QStringLiteral("N"));
    EXPECT_EQ(app.ctx.settings.gridStep, 15);
    EXPECT_EQ(app.ctx.settings.soundName, QStringLiteral("Sirene"));
    EXPECT_FALSE(app.ctx.settings.showShared);
    EXPECT_EQ(app.ctx.session.name, QStringLiteral("Caio Prado"));
    // The other user's rows are untouched.
    EXPECT_EQ(row(QStringLiteral("Configuracao"), QStringLiteral("Usuario = ?"), {other})
                  .text("SomCompromisso"),
              QStringLiteral("Cuco"));

    // A user whose settings row went missing gets one back on save.
    app.ctx.db.executeSql(QStringLiteral("Delete from Configuracao Where Usuario = ?"), {code});
    window->openSettings();
    click("cmdAgendaGravar");
    EXPECT_EQ(row(QStringLiteral("Configuracao"), QStringLiteral("Usuario = ?"), {code})
                  .text("SomCompromisso"),
              QStringLiteral("Sirene"));
}

} // namespace
} // namespace orv::test
