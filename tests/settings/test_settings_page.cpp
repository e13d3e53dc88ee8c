#include "SettingsFixture.h"

#include "reminders/ui/SoundPlayer.h"

namespace orv::test {
namespace {

using SettingsPageKeys = SettingsFixture;

TEST_F(SettingsPageKeys, BoxesFilterTheirKeysAndTheListOffersTheSounds) {
    openFor(app.addUser("JOAO"));
    const QString boxes =
        "txtAgendaInicio txtAgendaFim txtAgendaIntervalo txtAgendaTempoChecagem "
        "txtDadosCep txtDadosTelefone txtDadosNascimento txtDadosNome txtSenhaNova";
    const QStringList keys{"0830",       "1x7a30",    "1a5'",    "-3b", "01310-100",
                           "(11) 3333x", "1a2/05/80", "D'Avila", "a'b"};
    for (int i = 0; i < keys.size(); ++i) {
        type(boxes.section(' ', i, i).toLatin1().constData(), keys[i]);
    }
    EXPECT_EQ(texts(boxes), "08:30|17:30|15|-3|01310-100|(11)3333|12/05/80|DAvila|ab");
    EXPECT_EQ(box("txtSenhaNova")->echoMode(), QLineEdit::Password);

    // Listening: "Nenhum" only silences, and leaving the page stops the sound.
    auto* sounds = find<QComboBox>("cmbAgendaSom");
    auto* page = find<SettingsPage>("frmConfig");
    page->sound()->setOutputCheck([] { return true; });
    sounds->setCurrentText("Cuco");
    click("cmdAgendaOuvir");
    EXPECT_EQ(page->sound()->playing(), "CUCO");
    sounds->setCurrentIndex(0);
    click("cmdAgendaOuvir");
    EXPECT_TRUE(page->sound()->playing().isEmpty());
    sounds->setCurrentText("Tiro");
    click("cmdAgendaOuvir");
    click("cmdAgendaCancelar");
    EXPECT_TRUE(page->sound()->playing().isEmpty());

    // Without an audio output nothing plays and nothing is reported.
    window->openSettings();
    page->sound()->setOutputCheck([] { return false; });
    click("cmdAgendaOuvir");
    EXPECT_TRUE(page->sound()->playing().isEmpty());
    EXPECT_TRUE(app.messages.texts().isEmpty());
}

} // namespace
} // namespace orv::test
