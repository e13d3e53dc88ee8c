#include "ReminderFixture.h"

#include "reminders/ReminderActions.h"
#include "reminders/RescheduleChoices.h"

using namespace orv;
using namespace orv::reminders;

namespace {

struct ReminderActions : test::ReminderFixture {
    DueItem item(qint64 key) {
        const RowSet rs = row(key);
        return {rs.isNull("Hora") ? DueItem::Kind::Birthday : DueItem::Kind::Appointment,
                key,
                rs.date("Data"),
                rs.time("Hora"),
                rs.time("HoraFim"),
                rs.text("Compromisso")};
    }
    RescheduleResult move(qint64 key, const QString& choice, const QString& text) {
        const DueItem i = item(key);
        const auto position = choiceTexts(rescheduleChoices(i.hasEndTime())).indexOf(choice);
        return reschedule(db, app.clock, ana, i, static_cast<int>(position), text);
    }
};

TEST_F(ReminderActions, RescheduleCountsFromNowOrMovesTheWholeSpan) {
    const qint64 k = add(QDate(2026, 3, 10), QTime(8, 0));
    at(2026, 3, 15, 14, 7);
    app.clock.set(app.clock.now().addSecs(42)); // seconds are not kept
    EXPECT_TRUE(move(k, "  30 minutos", "  Ligar para o D'Ávila  ").moved());
    EXPECT_EQ(test::fields(row(k), "Data Hora Compromisso Status"),
              "2026-03-15|14:37:00|Ligar para o D'Ávila|0");

    // With an end time the whole span moves to today plus the days.
    const qint64 span = addSpan(QDate(2026, 5, 9), QTime(9, 0), QTime(11, 0), 30);
    const qint64 untouched = addSpan(QDate(2026, 5, 9), QTime(14, 0), QTime(15, 0), 30);
    at(2026, 5, 10, 16, 45);
    EXPECT_TRUE(move(span, "   2 dias", " Dentista ").moved());
    EXPECT_EQ(
        test::allFields(family(span), "Data Hora HoraFim Compromisso"),
        QStringList({"2026-05-12|09:00:00|11:00:00|Dentista", "2026-05-12|09:30:00|null|Dentista",
                     "2026-05-12|10:00:00|null|Dentista", "2026-05-12|10:30:00|null|Dentista",
                     "2026-05-12|11:00:00|null|Dentista"}));
    EXPECT_EQ(test::allFields(family(untouched), "Data Compromisso"),
              QStringList(3, "2026-05-09|Reunião longa"));
}

TEST_F(ReminderActions, RefusedRescheduleWritesNothing) {
    const qint64 k = add(QDate(2026, 3, 15), QTime(8, 0));
    const qint64 span = addSpan(QDate(2026, 3, 15), QTime(8, 0), QTime(9, 0), 60);
    at(2026, 3, 15, 9, 0);
    const QByteArray before = test::fileBytes(db.dataPath());

    EXPECT_EQ(move(k, "", "   ").message, "Informe o Tempo!"); // the choice is checked first
    EXPECT_EQ(reschedule(db, app.clock, ana, item(k), 21, "Texto").message, "Informe o Tempo!");
    // The list of an appointment with an end time has only the 12 day choices.
    EXPECT_EQ(reschedule(db, app.clock, ana, item(span), 12, "x").message, "Informe o Tempo!");

    const RescheduleResult r = move(k, "   5 minutos", " \t ");
    EXPECT_EQ(r.message, "Informe uma Descrição do Compromisso !");
    EXPECT_EQ(r.focus, ReminderField::Description);
    EXPECT_FALSE(r.moved());

    EXPECT_EQ(test::fileBytes(db.dataPath()), before);
    EXPECT_EQ(row(k).time("Hora"), QTime(8, 0));
}

TEST_F(ReminderActions, CompleteAndDeleteAppointments) {
    const qint64 span = addSpan(QDate(2026, 3, 15), QTime(9, 0), QTime(10, 0), 30);
    const qint64 single = add(QDate(2026, 3, 15), QTime(8, 0));
    const qint64 betos = add(QDate(2026, 3, 15), QTime(8, 0), {}, "0", "Dele", beto);

    // An edited text is not stored by completing: the item carries the stored one.
    DueItem i = item(span);
    i.text = "editado";
    completeReminded(db, ana, i);
    RowSet rs = family(span);
    EXPECT_EQ(rs.text("Status"), "1");
    EXPECT_EQ(rs.text("Compromisso"), "Reunião longa");
    for (rs.moveNext(); !rs.eof(); rs.moveNext()) {
        EXPECT_EQ(rs.text("Status"), "0"); // continuation rows keep their status
    }

    deleteReminded(db, ana, item(span));
    EXPECT_EQ(family(span).recordCount(), 0);
    EXPECT_EQ(row(single).recordCount(), 1);

    // Another user's row is out of reach even with its key.
    DueItem foreign = item(betos);
    deleteReminded(db, ana, foreign);
    completeReminded(db, ana, foreign);
    EXPECT_EQ(row(betos).text("Status"), "0");
    EXPECT_EQ(app.count("Compromissos"), 2);
}

TEST_F(ReminderActions, BirthdaysMoveOnByAYearOrGoWithoutTheirContact) {
    const qint64 rosa = addBirthday(QDate(2026, 3, 5), "Rosa");
    const qint64 leap = addBirthday(QDate(2028, 2, 29), "Léo");
    db.executeSql("Insert into Enderecos (Usuario,Nome,Aniversario,Compartilhado,ChaveAniversario)"
                  " values (?,?,?,?,?)",
                  {ana, "Rosa", "05/03", "N", rosa});

    completeReminded(db, ana, item(rosa));
    EXPECT_EQ(test::fields(row(rosa), "Data Status"), "2027-03-05|2");
    completeReminded(db, ana, item(leap));
    EXPECT_EQ(row(leap).date("Data"), QDate(2029, 2, 28));

    // A birthday cannot be rescheduled: it has no choices.
    at(2026, 3, 5, 9, 0);
    EXPECT_EQ(reschedule(db, app.clock, ana, item(rosa), 0, "x").message, "Informe o Tempo!");

    deleteReminded(db, ana, item(rosa));
    EXPECT_EQ(row(rosa).recordCount(), 0);
    RowSet contact = db.runQuery("Select * from Enderecos");
    ASSERT_EQ(contact.recordCount(), 1);
    EXPECT_EQ(test::fields(contact, "Nome Aniversario ChaveAniversario"),
              "Rosa|05/03|" + QString::number(rosa));
}

} // namespace
