#include "appointments/ScheduleRows.h"

#include "appointments/AppointmentStore.h"
#include "appointments/DaySchedule.h"
#include "session/AppContext.h"
#include "session/Users.h"

namespace orv::appointments {
namespace {

const QString kColumns =
    QStringLiteral("Chave,ChavePai,Status,Compartilhado,Usuario,Hora,HoraFim,Compromisso");
const QString kSharedFlag = QStringLiteral("S");
const QString kNoParent = QStringLiteral("0");

} // namespace

ScheduleSettings ScheduleSettings::of(const AppContext& ctx) {
    ScheduleSettings s;
    s.user = ctx.session.userCode;
    s.gridStart = ctx.settings.gridStart;
    s.gridEnd = ctx.settings.gridEnd;
    s.gridStep = ctx.settings.gridStep;
    s.birthdayPosition = ctx.settings.birthdayPosition;
    s.showShared = ctx.settings.showShared;
    return s;
}

bool ScheduleSettings::showsAllDay() const {
    return birthdayPosition == QLatin1String("A") || birthdayPosition == QLatin1String("D");
}

RowSet queryScheduleRows(const Db& db, const ScheduleSettings& s, const QDate& first,
                         const QDate& last, DayPart part) {
    // The two halves never hold the same row, as their owners differ.
    const bool timed = part == DayPart::Timed;
    const QString hora = timed ? QStringLiteral(" and Hora Is Not Null") : QString();
    QString sql = QStringLiteral("Select ") + kColumns +
                  QStringLiteral(",'' as NomeUsuario,Data from Compromissos Where Usuario = ? "
                                 "and Data Between ? and ?") +
                  hora;
    Params params{s.user, first, last};
    if (s.showShared) {
        sql += QStringLiteral(" Union All Select ") + kColumns + QLatin1Char(',') +
               ownerLoginColumn(QStringLiteral("Compromissos")) +
               QStringLiteral(" as NomeUsuario,Data from Compromissos Where "
                              "Usuario <> ? and Data Between ? and ? and Compartilhado = ?") +
               hora +
               (timed ? QStringLiteral(" and Status <> ?")
                      : QStringLiteral(" and (Hora Is Null or Status <> ?)"));
        params << s.user << first << last << kSharedFlag << kDone;
    }
    // A NULL Hora sorts first; Chave orders rows at the same time.
    sql += QStringLiteral(" Order By Data,Hora,Chave");
    return db.runQuery(sql, params);
}

bool isAllDay(const RowSet& rs) {
    return rs.field(column::Hora).isNull();
}

QString timedText(const RowSet& rs) {
    QString text = rs.field(column::Compromisso).toString();
    const QString owner = rs.field(column::Owner).toString();
    if (!owner.isEmpty()) {
        text += QStringLiteral(" [") + owner + QLatin1Char(']');
    }
    return text;
}

QString statusPicture(const QString& parent, const QString& status, bool othersShared) {
    if (parent != kNoParent) {
        return picture::kAttached;
    }
    if (othersShared && status != kBirthday) {
        return picture::kLocked;
    }
    if (status == kBirthday) {
        return picture::kBirthday;
    }
    if (status == kPending) {
        return picture::kAlarm;
    }
    if (status == kDone) {
        return picture::kDone;
    }
    return {};
}

} // namespace orv::appointments
