// iCalendar files in and out of the calendar, through the panel's buttons.

#include "AppointmentFixture.h"

#include "appointments/ICalendarExchange.h"
#include "appointments/ui/AppointmentsPanel.h"
#include "contacts/ContactStore.h"
#include "mainwindow/ui/ExchangeButtons.h"
#include "mainwindow/ui/Grid.h"

#include <QMenu>
#include <ctime>

using namespace orv;
using namespace orv::appointments;

namespace {

// ANA's panel on 01/12/2026 10:00 in São Paulo's time (UTC-3 all year).
struct CalendarPanel : test::AppointmentFixture {
    QByteArray oldZone = qgetenv("TZ");
    test::FileFolder folder;
    std::unique_ptr<AppointmentsPanel> panel;

    CalendarPanel() {
        qputenv("TZ", "America/Sao_Paulo");
        tzset();
        app.clock.set(QDateTime(QDate(2026, 12, 1), QTime(10, 0)));
        panel = std::make_unique<AppointmentsPanel>(app.ctx);
        panel->show();
        panel->load();
    }
    ~CalendarPanel() override {
        qputenv("TZ", oldZone);
        tzset();
    }
    QString import(const QString& path) {
        test::answerFileDialog(path);
        QTest::mouseClick(panel->findChild<QPushButton*>("cmdCompromissoImportar"), Qt::LeftButton);
        return app.messages.last();
    }
    QString exportChoice(const QString& path, int choice) {
        test::answerFileDialog(path);
        panel->exchangeButtons->exportButton->menu()->actions().at(choice)->trigger();
        return app.messages.last();
    }
    // The filled rows of the day's grid as "time|description".
    QStringList gridOf(const QDate& d) {
        panel->showDay(d);
        const Grid& g = *panel->grdCompromissos;
        QStringList out;
        for (int r = 1; r < g.rows(); ++r) {
            if (!g.text(r, 3).trimmed().isEmpty()) {
                out << g.text(r, 2).trimmed() + "|" + g.text(r, 3).trimmed();
            }
        }
        return out;
    }
    // Every row of the user: "dd/MM HH:mm-HH:mm status text", continuation rows marked "+".
    QStringList stored(qint64 user) {
        return test::allFields(
            db.runQuery("Select substr(Data,9,2) || '/' || substr(Data,6,2) || ' ' || "
                        "coalesce(substr(Hora,1,5),'') || '-' || coalesce(substr(HoraFim,1,5),'') "
                        "|| ' ' || Status || (case when ChavePai then '+' else '' end) || ' ' || "
                        "Compromisso as R from Compromissos Where Usuario = ? Order By "
                        "Data,Hora,ChavePai,Chave",
                        {user}),
            "R");
    }
};

QString summary(int added, int duplicates, int cut, int refused) {
    return exchange::summaryMessage({added, duplicates, cut, refused}, "Compromissos",
                                    "mais de um dia ou texto longo",
                                    "cancelados, sem texto ou sem data nos próximos 12 meses");
}

const QByteArray kSchool =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Escola//PT\r\n"
    "BEGIN:VTIMEZONE\r\nTZID:Eastern Standard Time\r\n"
    "BEGIN:STANDARD\r\nDTSTART:16011104T020000\r\nRRULE:FREQ=YEARLY;BYDAY=1SU;BYMONTH=11\r\n"
    "TZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nEND:STANDARD\r\n"
    "BEGIN:DAYLIGHT\r\nDTSTART:16010311T020000\r\nRRULE:FREQ=YEARLY;BYDAY=2SU;BYMONTH=3\r\n"
    "TZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n"
    "BEGIN:VEVENT\r\nUID:aula\r\nDTSTART;TZID=Eastern Standard Time:20261202T090000\r\n"
    "DTEND;TZID=Eastern Standard Time:20261202T103000\r\n"
    "RRULE:FREQ=WEEKLY;UNTIL=20261231T235959Z\r\n"
    "EXDATE;TZID=Eastern Standard Time:20261216T090000\r\n"
    "SUMMARY:Aula de ingl\xC3\xAAs\r\nLOCATION:Sala 3\r\n"
    "BEGIN:VALARM\r\nTRIGGER:-PT15M\r\nACTION:DISPLAY\r\nDESCRIPTION:Aula\r\nEND:VALARM\r\n"
    "END:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:natal\r\nDTSTART;VALUE=DATE:20261225\r\nDTEND;VALUE=DATE:20261226\r\n"
    "SUMMARY:Natal\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:utc\r\nDTSTART:20261203T130000Z\r\nDTEND:20261203T140000Z\r\n"
    "SUMMARY:Reuni\xC3\xA3o\\, pais\\; mestres\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:viagem\r\nDTSTART;VALUE=DATE:20261210\r\nDTEND;VALUE=DATE:20261213\r\n"
    "SUMMARY:Viagem\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:cancelado\r\nDTSTART:20261204T100000Z\r\nSTATUS:CANCELLED\r\n"
    "SUMMARY:Cancelado\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

} // namespace

// A school's calendar: a weekly class in another zone with an exception, an
// all-day holiday, a meeting in UTC, a trip over three days and a cancelled
// event; importing it again finds only duplicates.
TEST_F(CalendarPanel, ImportsAnotherCalendarsEvents) {
    const QString school = folder.write("escola.ics", kSchool);
    EXPECT_EQ(import(school), summary(7, 0, 1, 1));
    EXPECT_EQ(gridOf(QDate(2026, 12, 2)),
              QStringList({"11:00|Aula de inglês - Sala 3", "12:00|Aula de inglês - Sala 3",
                           "12:30|Aula de inglês - Sala 3"}));
    EXPECT_EQ(
        stored(ana),
        QStringList(
            {"02/12 11:00-12:30 0 Aula de inglês - Sala 3",
             "02/12 12:00- 0+ Aula de inglês - Sala 3", "02/12 12:30- 0+ Aula de inglês - Sala 3",
             "03/12 10:00-11:00 3 Reunião, pais; mestres", "03/12 11:00- 3+ Reunião, pais; mestres",
             "09/12 11:00-12:30 0 Aula de inglês - Sala 3",
             "09/12 12:00- 0+ Aula de inglês - Sala 3", "09/12 12:30- 0+ Aula de inglês - Sala 3",
             "10/12 - 3 Viagem", "23/12 11:00-12:30 0 Aula de inglês - Sala 3",
             "23/12 12:00- 0+ Aula de inglês - Sala 3", "23/12 12:30- 0+ Aula de inglês - Sala 3",
             "25/12 - 3 Natal", "30/12 11:00-12:30 0 Aula de inglês - Sala 3",
             "30/12 12:00- 0+ Aula de inglês - Sala 3",
             "30/12 12:30- 0+ Aula de inglês - Sala 3"}));
    EXPECT_EQ(gridOf(QDate(2026, 12, 25)), QStringList({"|Natal"}));
    EXPECT_EQ(import(school), summary(0, 7, 0, 1));
}

// Export from one user, import into another's empty calendar: every row comes
// back, continuation rows and birthdays included; another user's shared row
// never goes out, and "from today" leaves the past behind.
TEST_F(CalendarPanel, RoundTripIntoAnotherUsersCalendar) {
    add(beto, "09:00", "Só do Beto", kPending, "S");
    on(2026, 11, 20).add(ana, "09:00", "Passado", kDone);
    day = QDate(2026, 12, 5);
    insertWithContinuationRows(
        db, ana, {day, QTime(8, 0), QTime(9, 30), 0, "Dentista; ida, volta", kPending, "S"}, 60);
    add(ana, "14:00", "Sem fim, sem aviso", kNoReminder);
    add(ana, "", "Dia inteiro", kNoReminder);
    contacts::Contact carla;
    carla.name = "Carla";
    carla.birthday = "15/01";
    contacts::saveContact(db, ana, app.clock.today(), carla);

    const QString all = folder.path("tudo.ics");
    EXPECT_EQ(exportChoice(all, 1), QString("Compromissos exportados: 5\nArquivo: %1").arg(all));
    const QByteArray text = test::fileBytes(all);
    EXPECT_TRUE(text.contains("BEGIN:VTIMEZONE") && text.contains("TZID=America/Sao_Paulo:") &&
                text.contains("RRULE:FREQ=YEARLY") && !text.contains("Beto"));
    EXPECT_EQ(exportChoice(folder.path("hoje.ics"), 0).section('\n', 0, 0),
              "Compromissos exportados: 4");

    importAppointments(db, beto, 60, app.clock.now(), text);
    QStringList his = stored(beto);
    his.removeAll("02/12 09:00- 0 Só do Beto");
    EXPECT_EQ(his, stored(ana));
    EXPECT_EQ(
        app.count(QString("Compromissos Where Compartilhado = 'S' and Usuario = %1").arg(beto)), 1);
}

// A file that is no iCalendar or is damaged adds nothing and says why.
TEST_F(CalendarPanel, DamagedFilesAddNothing) {
    const QByteArray head = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n";
    const QByteArray good =
        "BEGIN:VEVENT\r\nDTSTART:20261210T100000Z\r\nSUMMARY:Bom\r\nEND:VEVENT\r\n";
    const test::BadFile cases[] = {
        {"sem_inicio.ics",
         head + good + "BEGIN:VEVENT\r\nSUMMARY:Sem\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
         "O evento \"Sem\" não tem início (DTSTART)."},
        {"pagina.ics", "<!DOCTYPE html>\n<html><body>Erro</body></html>\n",
         "não é um arquivo de agenda iCalendar"},
        {"cortado.ics", head + good + "BEGIN:VEVENT\r\nDTSTART:2026",
         "termina no meio de um evento"},
        {"binario.ics", head + good + QByteArray("\x00\xFF\x10", 3), "danificado na linha 8"},
        {"longo.ics",
         head + "BEGIN:VEVENT\r\nDTSTART:20261210T100000Z\r\nDESCRIPTION:" +
             QByteArray(100000, 'x') + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
         "DESCRIPTION da linha 6 passa de 64 KiB"},
    };
    for (const auto& c : cases) {
        const QString shown = import(folder.write(c.name, c.bytes));
        EXPECT_TRUE(test::refusedWith(shown, c)) << shown.toStdString();
    }
    EXPECT_EQ(app.count("Compromissos"), 0);
}
