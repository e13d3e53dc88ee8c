#include "SettingsFixture.h"

#include "reminders/ui/SoundPlayer.h"

#include <QComboBox>

namespace orv::test {
namespace {

using SettingsPageKeys = SettingsFixture;

TEST_F(SettingsPageKeys, BoxesFilterTheirKeysAndTheListOffersTheSounds) {
    openFor(app.addUser("JOAO"));
    const std::pair<const char*, const char*> typed[] = {{"txtAgendaInicio", "0830"},
                                                         {"txtAgendaFim", "1x7a30"},
                                                         {"txtAgendaIntervalo", "1a5'"},
                                                         {"txtAgendaTempoChecagem", "-3b"},
                                                         {"txtDadosCep", "01310-100"},
                                                         {"txtDadosTelefone", "(11) 3333x"},
                                                         {"txtDadosNascimento", "1a2/05/80"},
                                                         {"txtDadosNome", "D'Avila"},
                                                         {"txtSenhaNova", "a'b"}};
    const char* expected[] = {"08:30",    "17:30",    "15",     "-3", "01310-100",
                              "(11)3333", "12/05/80", "DAvila", "ab"};
    std::size_t i = 0;
    for (const auto& [name, keys] : typed) {
        type(name, QString::fromLatin1(keys));
        EXPECT_EQ(box(name)->text(), QString::fromLatin1(expected[i++])) << name;
    }
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
