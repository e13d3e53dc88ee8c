#include "ReminderFixture.h"

#include "reminders/DueQuery.h"
#include "reminders/ui/ReminderController.h"
#include "reminders/ui/ReminderWindow.h"
#include "reminders/ui/SoundPlayer.h"

#include <QTimer>
#include <sqlcipher/sqlite3.h>

using namespace orv;
using namespace orv::reminders;

namespace {

TEST(SoundPlayer, PlaysOneSoundAtATimeAndStaysSilentWithoutOutput) {
    for (const char* name : {"AHA", "CAMPAINHA", "CUCO", "NAVE", "SIRENE", "TELEFONE", "TIRO"}) {
        EXPECT_TRUE(SoundPlayer::exists(name)) << name;
    }

    SoundPlayer silent;
    silent.setOutputCheck([] { return false; });
    silent.stop(); // nothing plays: harmless
    EXPECT_FALSE(silent.play("CUCO"));
    EXPECT_EQ(silent.playing(), "");

    // The sound module beside the program does the playing.
    SoundPlayer player;
    player.setOutputCheck([] { return true; });
    EXPECT_TRUE(player.play("CUCO"));
    EXPECT_EQ(player.playing(), "CUCO");
    EXPECT_TRUE(player.play("SIRENE")); // cuts the cuckoo off
    EXPECT_EQ(player.playing(), "SIRENE");
    EXPECT_FALSE(player.play("NENHUM")); // no such sound: silence
    EXPECT_EQ(player.playing(), "");

    // One sound in the whole program: another player's sound cuts this one off.
    SoundPlayer preview;
    preview.setOutputCheck([] { return true; });
    EXPECT_TRUE(player.play("TIRO"));
    EXPECT_TRUE(preview.play("AHA"));
    EXPECT_EQ(player.playing(), "");
    EXPECT_EQ(preview.playing(), "AHA");
}

struct ReminderWindowTest : test::ReminderFixture {
    SoundPlayer sound;
    void SetUp() override {
        ReminderFixture::SetUp();
        sound.setOutputCheck([] { return true; });
        at(2026, 5, 10, 14, 7);
    }
    DueItem due(qint64 key) {
        const auto items = dueItems(db, ana, app.clock.now());
        const auto i =
            std::find_if(items.begin(), items.end(), [&](auto& d) { return d.key == key; });
        EXPECT_NE(i, items.end()) << "not due: " << key;
        return i == items.end() ? DueItem{} : *i;
    }
};

TEST_F(ReminderWindowTest, AppointmentIsRescheduledOnlyWithAChoiceAndADescription) {
    const qint64 k = add(QDate(2026, 5, 10), QTime(13, 0), {}, "0", "Ligar para Rosa");
    app.ctx.settings.soundName = "Sirene";
    ReminderWindow w(app.ctx, sound);
    w.fill(due(k));
    EXPECT_EQ(w.TxtData->text(), "10/05/2026");
    EXPECT_EQ(w.TxtHora->text(), "13:00");
    EXPECT_EQ(w.txtHoraFim->text(), "");
    EXPECT_EQ(w.cmbReAgendar->count(), 21);
    EXPECT_EQ(w.cmbReAgendar->currentIndex(), -1);

    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_TRUE(w.lblAniversario->isHidden());
    EXPECT_FALSE(w.cmdReagendar->isHidden());
    EXPECT_EQ(w.lblData->text(), "10 maio 2026 - 14:07");
    EXPECT_EQ(sound.playing(), "SIRENE");
    app.clock.advanceMinutes(1);
    QMetaObject::invokeMethod(w.Timer1, "timeout");
    EXPECT_EQ(w.lblData->text(), "10 maio 2026 - 14:08");

    // Escape does not close it: only its three actions do.
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.close());

    w.cmdReagendar->click();
    EXPECT_EQ(app.messages.last(), "Informe o Tempo!");
    EXPECT_EQ(sound.playing(), ""); // stopped by the button
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.cmbReAgendar->hasFocus());

    w.cmbReAgendar->setCurrentIndex(w.cmbReAgendar->findText("  30 minutos"));
    w.TxtCompromisso->selectAll();
    QTest::keyClick(w.TxtCompromisso, Qt::Key_Delete);
    QTest::keyClicks(w.TxtCompromisso, "   ");
    w.cmdReagendar->click();
    EXPECT_EQ(app.messages.last(), "Informe uma Descrição do Compromisso !");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(row(k).time("Hora"), QTime(13, 0));

    QTest::keyClicks(w.TxtCompromisso, "Ligar p/ D'Ávila");
    QTest::keyClick(w.TxtCompromisso, Qt::Key_Return); // Enter reschedules
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(row(k).time("Hora"), QTime(14, 38));
    EXPECT_EQ(row(k).text("Compromisso"), "Ligar p/ DÁvila"); // the key filter drops the apostrophe
    EXPECT_EQ(app.messages.shown().size(), 2u);
}

TEST_F(ReminderWindowTest, LongAppointmentOffersDaysAndCompletingIgnoresTheEdit) {
    const qint64 k = addSpan(QDate(2026, 5, 10), QTime(9, 0), QTime(11, 0), 60, "Dentista");
    ReminderWindow w(app.ctx, sound);
    w.fill(due(k));
    EXPECT_EQ(w.txtHoraFim->text(), "11:00");
    EXPECT_EQ(w.cmbReAgendar->count(), 12);
    EXPECT_EQ(w.cmbReAgendar->itemText(0), "   1 dia");
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(sound.playing(), "CUCO");
    // Dragged by its background, as it has no title bar.
    const QPoint start = w.pos();
    QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(200, 190));
    QTest::mouseMove(&w, QPoint(240, 210));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(240, 210));
    EXPECT_EQ(w.pos(), start + QPoint(40, 20));
    QTest::keyClicks(w.TxtCompromisso, " editado");
    w.cmdExecutar->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(sound.playing(), "");
    EXPECT_EQ(row(k).text("Status"), "1");
    EXPECT_EQ(row(k).text("Compromisso"), "Dentista");
}

TEST_F(ReminderWindowTest, BirthdayMovesOnAYearOrIsDeletedSilentlyWithNenhum) {
    const qint64 rosa = addBirthday(QDate(2026, 3, 5), "Rosa");
    const qint64 caio = addBirthday(QDate(2026, 5, 10), "Caio");
    app.ctx.settings.soundName = "Nenhum";
    {
        ReminderWindow w(app.ctx, sound);
        w.fill(due(rosa));
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w)); // access keys work in the active window
        EXPECT_EQ(sound.playing(), "");
        EXPECT_FALSE(w.lblAniversario->isHidden());
        for (const char* hidden : {"TxtHora", "txtHoraFim", "lblHoraAviso", "lblHoraTermino",
                                   "cmbReAgendar", "lblReagendar", "cmdReagendar"}) {
            const QWidget* widget = w.findChild<QWidget*>(hidden);
            EXPECT_TRUE(widget && widget->isHidden()) << hidden;
        }
        EXPECT_EQ(w.TxtCompromisso->text(), "  Aniversário Rosa");
        EXPECT_FALSE(w.TxtCompromisso->isEnabled());
        // Screen readers hear the captions shown.
        EXPECT_EQ(w.cmdExcluir->accessibleName(), "Excluir Aniversário");
        EXPECT_EQ(w.cmdExecutar->accessibleName(), "Avisar Próximo Ano");
        // An access key presses its button after the button's short press animation.
        QTest::keyClick(&w, Qt::Key_P, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }));
        EXPECT_EQ(row(rosa).date("Data"), QDate(2027, 3, 5));
    }
    ReminderWindow w(app.ctx, sound);
    w.fill(due(caio));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }));
    EXPECT_EQ(row(caio).recordCount(), 0);
    EXPECT_EQ(row(rosa).recordCount(), 1);
}

// The controller as the main window runs it, with a scripted user in front of
// each reminder window.
struct ReminderFlow : test::ReminderFixture {
    QWidget mainWindow;
    ReminderController controller{app.ctx, &mainWindow};
    std::deque<std::function<void(ReminderWindow&)>> user;
    QStringList shown;
    QStringList soundsAtShow;
    int refreshes = 0;
    int ended = 0;
    bool panelShown = true;

    void SetUp() override {
        ReminderFixture::SetUp();
        controller.sound().setOutputCheck([] { return true; });
        controller.setAppointmentsPanelShown([this] { return panelShown; });
        controller.setEndProgram([this] { ++ended; });
        QObject::connect(&controller, &ReminderController::dayGridRefreshWanted,
                         [this] { ++refreshes; });
        QObject::connect(&controller, &ReminderController::reminderShown,
                         [this](ReminderWindow* w) {
                             shown << w->TxtCompromisso->text().trimmed();
                             QTimer::singleShot(0, w, [this, w] {
                                 soundsAtShow << controller.sound().playing();
                                 ASSERT_FALSE(user.empty()) << "no answer for a reminder";
                                 auto answer = std::move(user.front());
                                 user.pop_front();
                                 answer(*w);
                             });
                         });
        controller.start();
    }
    // Two appointments due at 14:07: "Reunião" (its key is returned) and "Café".
    qint64 twoDue() {
        at(2026, 5, 10, 14, 7);
        const qint64 key = add(QDate(2026, 5, 10), QTime(14, 0), {}, "0", "Reunião");
        add(QDate(2026, 5, 10), QTime(14, 5), {}, "0", "Café");
        return key;
    }
    static void choose(ReminderWindow& w, const QString& choice) {
        w.cmbReAgendar->setCurrentIndex(w.cmbReAgendar->findText(choice));
        w.cmdReagendar->click();
    }
};

TEST_F(ReminderFlow, RescheduledAppointmentComesDueAgainAfterItsInterval) {
    const qint64 k = twoDue();
    user.push_back([&](ReminderWindow& w) {
        // A tick that comes while the reminder waits starts no second pass.
        controller.checkNow();
        choose(w, "  30 minutos");
    });
    user.push_back([](ReminderWindow& w) { w.cmdExecutar->click(); });
    controller.checkNow();
    EXPECT_EQ(shown, QStringList({"Reunião", "Café"}));
    // Each window played the alarm when it appeared; the first was stopped before the second.
    EXPECT_EQ(soundsAtShow, QStringList({"CUCO", "CUCO"}));
    EXPECT_EQ(controller.sound().playing(), "");
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(row(k).time("Hora"), QTime(14, 37));
    EXPECT_EQ(controller.openReminder(), nullptr);

    shown.clear();
    app.clock.advanceMinutes(29);
    controller.checkNow();
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(refreshes, 1);

    panelShown = false;
    user.push_back([](ReminderWindow& w) { w.cmdExcluir->click(); });
    app.clock.advanceMinutes(1);
    controller.checkNow();
    EXPECT_EQ(shown, QStringList({"Reunião"}));
    EXPECT_EQ(refreshes, 1); // the appointments panel was not on view
    EXPECT_EQ(row(k).recordCount(), 0);

    // Stopped (backup at work): ticks do nothing until resumed.
    add(QDate(2026, 5, 10), QTime(14, 0), {}, "0", "Outra");
    controller.stop();
    controller.checkNow();
    EXPECT_EQ(shown.size(), 1);
    user.push_back([](ReminderWindow& w) { w.cmdExecutar->click(); });
    controller.resume();
    controller.checkNow();
    EXPECT_EQ(shown.size(), 2);
}

// A reminder action that cannot write keeps its window open with what was
// typed, told in the program's box; the pass goes on once it succeeds.
TEST_F(ReminderFlow, AFailedActionKeepsTheReminderOpenUntilItSucceeds) {
    const qint64 k = twoDue();
    user.push_back([](ReminderWindow& w) { choose(w, "   1 hora"); });
    user.push_back([&](ReminderWindow& w) {
        db.dataFile().failWritesWith(SQLITE_FULL);
        w.TxtCompromisso->setText("Café com a Bia");
        choose(w, "  30 minutos");
        EXPECT_EQ(controller.openReminder(), &w);
        EXPECT_TRUE(app.messages.last().contains("está cheio"));
        EXPECT_EQ(w.TxtCompromisso->text(), "Café com a Bia");
        db.dataFile().failWritesWith(SQLITE_OK);
        w.cmdReagendar->click();
    });
    controller.checkNow();
    EXPECT_EQ(shown.size(), 2);
    EXPECT_EQ(controller.openReminder(), nullptr);
    EXPECT_TRUE(app.messages.standard().isEmpty());
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(row(k).time("Hora"), QTime(15, 7));
    EXPECT_EQ(db.runQuery("Select Hora from Compromissos Where Compromisso = 'Café com a Bia'")
                  .time("Hora"),
              QTime(14, 37));
}

} // namespace
