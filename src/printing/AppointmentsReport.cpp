#include "printing/ReportOwner.h"
#include "printing/ReportPage.h"
#include "printing/ReportText.h"
#include "printing/Reports.h"
#include "session/Users.h"

#include <QLocale>

namespace orv {

namespace {

const WrapStyle kAppointmentWrap{88, 3, QString(16, QLatin1Char(' ')) + QStringLiteral("| "),
                                 false};

// The day's own timed appointments and, when the user sees shared entries, the
// other users' shared ones that are not done; continuation slots left out.
RowSet timedRows(const AppContext& ctx, const QString& day) {
    const qint64 user = ctx.session.userCode;
    QString sql =
        QStringLiteral("Select Chave,Hora,HoraFim,Compromisso,'' as NomeUsuario from Compromissos "
                       "Where Usuario = ? and Data = ? and Hora Is Not Null and ChavePai = 0 ");
    Params params{user, day};
    if (ctx.settings.showShared) {
        sql += QStringLiteral("Union Select Chave,Hora,HoraFim,Compromisso,") +
               ownerLoginColumn(QStringLiteral("Compromissos")) +
               QStringLiteral(" as NomeUsuario from Compromissos Where Usuario <> ? and Data = ? "
                              "and Compartilhado = 'S' and Hora Is Not Null and Status <> '1' "
                              "and ChavePai = 0 ");
        params << user << day;
    }
    sql += QStringLiteral("Order By Hora,Chave");
    return ctx.db.runQuery(sql, params);
}

// The all-day items (birthdays) of the day, own and shared.
RowSet allDayRows(const AppContext& ctx, const QString& day) {
    const qint64 user = ctx.session.userCode;
    QString sql = QStringLiteral("Select Chave,Compromisso from Compromissos Where Usuario = ? "
                                 "and Data = ? and Hora Is Null ");
    Params params{user, day};
    if (ctx.settings.showShared) {
        sql += QStringLiteral("Union Select Chave,Compromisso from Compromissos Where Usuario <> ? "
                              "and Data = ? and Compartilhado = 'S' and Hora Is Null ");
        params << user << day;
    }
    sql += QStringLiteral("Order By Chave");
    return ctx.db.runQuery(sql, params);
}

void printAllDay(const AppContext& ctx, const QString& day, ReportPage& page) {
    for (RowSet rows = allDayRows(ctx, day); !rows.eof(); rows.moveNext()) {
        page.printRecord(appointmentRecord({{}, {}, rows.text(QStringLiteral("Compromisso"))}));
    }
}

void printTimed(const AppContext& ctx, const QString& day, ReportPage& page) {
    for (RowSet rows = timedRows(ctx, day); !rows.eof(); rows.moveNext()) {
        QString text = rows.text(QStringLiteral("Compromisso"));
        const QString owner = rows.text(QStringLiteral("NomeUsuario"));
        if (!owner.isEmpty()) {
            text += QStringLiteral(" [") + owner + QLatin1Char(']');
        }
        page.printRecord(appointmentRecord({rows.text(QStringLiteral("Hora")).left(5),
                                            rows.text(QStringLiteral("HoraFim")).left(5), text}));
    }
}

} // namespace

QString appointmentRecord(const AppointmentEntry& entry) {
    const QString start = entry.start.trimmed();
    return QStringLiteral("  ") + (start.isEmpty() ? QString(5, QLatin1Char(' ')) : start) +
           (entry.end.isEmpty() ? QString(8, QLatin1Char(' '))
                                : QStringLiteral(" - ") + entry.end) +
           QStringLiteral(" | ") + wrapped(entry.text, kAppointmentWrap);
}

Report appointmentsReport(const AppContext& ctx, const QDate& day) {
    return {QStringLiteral("Compromissos"), [&ctx, day](ReportSink& sink) {
                const QString title = QStringLiteral(" Compromissos do Dia : ") +
                                      QLocale().toString(day, QLocale::LongFormat) +
                                      QStringLiteral(" da Agenda do ") + reportOwner(ctx);
                const QString stored = storedDate(day);
                const QString position = ctx.settings.birthdayPosition;
                ReportPage page(sink, title, ctx.clock);
                page.begin();
                if (position == QLatin1String("A")) {
                    printAllDay(ctx, stored, page);
                }
                printTimed(ctx, stored, page);
                if (position == QLatin1String("D")) {
                    printAllDay(ctx, stored, page);
                }
                page.finish();
            }};
}

} // namespace orv
