#include "AppointmentFixture.h"

#include "appointments/AppointmentEditor.h"
#include "appointments/Repetition.h"

using namespace orv;
using namespace orv::appointments;

namespace {

using Saving = test::AppointmentFixture;

EditorSave newAppointment(const QDate& day, const QString& start, const QString& end,
                          int repetition = kOnlyThisDay) {
    EditorSave s;
    s.day = day;
    s.start = QTime::fromString(start, "HH:mm");
    s.end = QTime::fromString(end, "HH:mm");
    s.description = "Consulta d'olhos";
    s.repetition = repetition;
    return s;
}

TEST_F(Saving, ContinuationRowsFillTheSpan) {
    const struct {
        const char *start, *end;
        int step;
        QStringList continuation;
    } cases[] = {
        {"08:00", "10:00", 30, {"08:30", "09:00", "09:30", "10:00"}},
        {"08:00", "09:45", 30, {"08:30", "09:00", "09:30", "09:45"}},
        {"08:00", "08:15", 30, {"08:15"}},
        {"08:00", "10:00", 60, {"09:00", "10:00"}},
        {"23:00", "23:59", 30, {"23:30", "23:59"}},
        {"08:00", "", 30, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + "-" + c.end);
        db.executeSql("Delete from Compromissos");
        const QVector<qint64> keys =
            saveEditor(db, ana, c.step, newAppointment(day, c.start, c.end));
        ASSERT_EQ(keys.size(), 1);
        QStringList expected{QString(c.start) + "|" + c.end + "|0"};
        for (const QString& t : c.continuation) {
            expected << t + "||" + QString::number(keys.first());
        }
        EXPECT_EQ(storedRows(ana, day), expected);
    }
    // The continuation rows carry the appointment's text, status and sharing flag.
    RowSet rs = db.runQuery("Select distinct Compromisso, Status, Compartilhado from Compromissos");
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(test::fields(rs, "Compromisso Status Compartilhado"), "Consulta d'olhos|0|N");
}

TEST_F(Saving, UpdatingReplacesTheContinuationRows) {
    const qint64 key = saveEditor(db, ana, 30, newAppointment(day, "08:00", "10:00")).first();
    const qint64 other = saveEditor(db, ana, 30, newAppointment(day, "14:00", "15:00")).first();
    const QStringList otherRows{"14:00|15:00|0", "14:30||" + QString::number(other),
                                "15:00||" + QString::number(other)};

    EditorSave change = newAppointment(day, "08:00", "09:00");
    change.editedKey = key;
    change.hadEndTime = true;
    change.alarm = false;
    change.share = true;
    EXPECT_EQ(saveEditor(db, ana, 30, change), QVector<qint64>{key});
    const QString k = QString::number(key);
    EXPECT_EQ(storedRows(ana, day),
              QStringList({"08:00|09:00|0", "08:30||" + k, "09:00||" + k}) + otherRows);
    RowSet rs = db.runQuery("Select distinct Status, Compartilhado from Compromissos Where "
                            "Chave = ? or ChavePai = ?",
                            {key, key});
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(test::fields(rs, "Status Compartilhado"), kNoReminder + "|S");

    // Removing the end time leaves no continuation rows.
    change.end = QTime();
    EXPECT_EQ(saveEditor(db, ana, 30, change), QVector<qint64>{key});
    EXPECT_EQ(storedRows(ana, day), QStringList{"08:00||0"} + otherRows);

    // Moving it to another day takes it there, alone.
    change.day = day.addDays(3);
    change.hadEndTime = false;
    change.end = QTime(9, 0);
    saveEditor(db, ana, 60, change);
    EXPECT_EQ(storedRows(ana, change.day), (QStringList{"08:00|09:00|0", "09:00||" + k}));
    EXPECT_EQ(storedRows(ana, day), otherRows);
}

TEST_F(Saving, AnAppointmentThatVanishedOrBelongsToAnotherIsNotWritten) {
    const qint64 key = saveEditor(db, ana, 30, newAppointment(day, "08:00", "09:00")).first();
    const qint64 betos = add(beto, "08:00", "Do Beto", kPending, "S", "09:00");
    add(beto, "08:30", "Do Beto", kPending, "S", {}, betos);
    deleteAppointment(db, ana, key);
    EXPECT_EQ(app.count("Compromissos"), 2);

    EditorSave change = newAppointment(day, "10:00", "11:00");
    change.editedKey = key;
    change.hadEndTime = true;
    EXPECT_TRUE(saveEditor(db, ana, 30, change).isEmpty());
    change.editedKey = betos;
    EXPECT_TRUE(saveEditor(db, ana, 30, change).isEmpty());
    EXPECT_EQ(app.count("Compromissos"), 2);
    EXPECT_EQ(storedRows(beto, day).size(), 2);

    // ANA's delete never touches BETO's rows.
    deleteAppointment(db, ana, betos);
    EXPECT_EQ(app.count("Compromissos"), 2);
    deleteAppointment(db, beto, betos);
    EXPECT_EQ(app.count("Compromissos"), 0);
}

TEST_F(Saving, RepetitionsWriteEachDayWithItsOwnContinuationRows) {
    auto days = [this](const QDate& first, int position) {
        db.executeSql("Delete from Compromissos");
        const QVector<qint64> keys =
            saveEditor(db, ana, 30, newAppointment(first, "08:00", "08:30", position));
        QStringList out;
        RowSet rs = db.runQuery("Select Chave, Data from Compromissos Where ChavePai = 0 "
                                "Order By Data");
        for (; !rs.eof(); rs.moveNext()) {
            out << rs.date("Data").toString("dd/MM/yyyy");
            // Each day's appointment has its one continuation row.
            EXPECT_EQ(db.runQuery("Select * from Compromissos Where ChavePai = ? and Data = ?",
                                  {rs.integer("Chave"), rs.field("Data")})
                          .recordCount(),
                      1);
        }
        EXPECT_EQ(keys.size(), out.size());
        return out;
    };
    const QDate wednesday(2026, 12, 2);
    const QDate saturday(2026, 12, 5);
    EXPECT_EQ(days(wednesday, kOnlyThisDay), QStringList{"02/12/2026"});
    EXPECT_EQ(days(wednesday, kWorkingDaysLeft),
              (QStringList{"02/12/2026", "03/12/2026", "04/12/2026"}));
    EXPECT_EQ(days(saturday, kWorkingDaysLeft),
              (QStringList{"05/12/2026", "06/12/2026", "07/12/2026", "08/12/2026", "09/12/2026",
                           "10/12/2026", "11/12/2026"}));
    EXPECT_EQ(days(wednesday, kDaysOfWeekLeft),
              (QStringList{"02/12/2026", "03/12/2026", "04/12/2026", "05/12/2026", "06/12/2026"}));
    QStringList december;
    for (int d = 20; d <= 31; ++d) {
        december << QStringLiteral("%1/12/2026").arg(d);
    }
    EXPECT_EQ(days(QDate(2026, 12, 20), kDaysOfMonthLeft), december);

    for (int year : {2027, 2028}) {
        SCOPED_TRACE(year);
        const QString feb = year == 2028 ? "29" : "28";
        QStringList expected{QStringLiteral("31/01/%1").arg(year)};
        for (int m = 2; m <= 12; ++m) {
            expected << QStringLiteral("%1/%2/%3").arg(feb).arg(m, 2, 10, QChar('0')).arg(year);
        }
        EXPECT_EQ(days(QDate(year, 1, 31), kSameDayEachMonth), expected);
    }
}

TEST_F(Saving, EditorChecksInOrder) {
    const char* kBadStart = "Informe um Horário Válido para o Início do Compromisso!";
    const char* kStartAfterEnd =
        "Hora de Início não pode ser Maior ou Igual que Hora Final do Compromisso!";
    const struct {
        const char *start, *end, *description, *message;
        int icon;
        EditorField focus;
    } failures[] = {
        {"  ", "", "", "Informe o Horário para o Início do Compromisso!", msg::Information,
         EditorField::Start},
        {"25:00", "", "x", kBadStart, msg::Serious, EditorField::Start},
        {"08:60", "", "x", kBadStart, msg::Serious, EditorField::Start},
        {"08:", "", "x", kBadStart, msg::Serious, EditorField::Start},
        {"8h30", "", "x", kBadStart, msg::Serious, EditorField::Start},
        {"08:00", "24:00", "x", "Informe um Horário Válido para o Final do Compromisso!",
         msg::Serious, EditorField::End},
        {"10:00", "10:00", "x", kStartAfterEnd, msg::Serious, EditorField::End},
        {"10:00", "9:30", "x", kStartAfterEnd, msg::Serious, EditorField::End},
        {"10:00", "", " \n ", "Informe uma Descrição do Compromisso !", msg::Information,
         EditorField::Description},
    };
    for (const auto& c : failures) {
        SCOPED_TRACE(std::string(c.start) + "-" + c.end);
        const EditorCheck check = checkEditor(c.start, c.end, c.description);
        EXPECT_FALSE(check.passed());
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.icon, c.icon);
        EXPECT_EQ(check.focus, c.focus);
    }
    // One or two digits each; the boxes come back as HH:NN.
    const EditorCheck ok = checkEditor(" 8:5 ", "9:05", "Almoço");
    EXPECT_TRUE(ok.passed());
    EXPECT_EQ(ok.startText, "08:05");
    EXPECT_EQ(ok.endText, "09:05");
    EXPECT_EQ(ok.start, QTime(8, 5));
    EXPECT_EQ(ok.end, QTime(9, 5));
    const EditorCheck noEnd = checkEditor("0:0", "  ", "Meia-noite");
    EXPECT_TRUE(noEnd.passed());
    EXPECT_EQ(noEnd.startText, "00:00");
    EXPECT_FALSE(noEnd.end.isValid());
}

} // namespace
