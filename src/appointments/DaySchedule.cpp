#include "appointments/DaySchedule.h"

#include "appointments/AppointmentStore.h"
#include "appointments/AppointmentTimes.h"
#include "appointments/RowKey.h"
#include "session/AppContext.h"

#include <QLocale>

namespace orv::appointments {
namespace {

const QString kTimedColumns =
    QStringLiteral("Chave,ChavePai,Status,Compartilhado,Usuario,Hora,HoraFim,Compromisso");
enum Column { Chave, ChavePai, Status, Compartilhado, Usuario, Hora, HoraFim, Compromisso, Owner };

const QString kSharedFlag = QStringLiteral("S");
const QString kNoParent = QStringLiteral("0");
const QString kTwoBlanks = QStringLiteral("  ");
const QString kBlank = QStringLiteral(" ");
constexpr int kLastMinute = 23 * 60 + 59;
constexpr int kRowsBeforeNarrowing = 19;

enum class DayPart { Timed, Whole };

// The day's rows, the timed ones only or the whole day: the user's own, then,
// when the user sees them, the rows other users shared, with the owner's login
// (timed rows of others only when not done). The two halves never hold the same
// row, as their owners differ. All-day rows (no Hora) come first, by key, then
// the timed rows by time.
RowSet queryDayRows(const Db& db, const ScheduleSettings& s, const QDate& day, DayPart part) {
    const bool timed = part == DayPart::Timed;
    const QString hora = timed ? QStringLiteral(" and Hora Is Not Null") : QString();
    QString sql = QStringLiteral("Select ") + kTimedColumns +
                  QStringLiteral(",'' as NomeUsuario from Compromissos Where Usuario = ? and "
                                 "Data = ?") +
                  hora;
    Params params{s.user, day};
    if (s.showShared) {
        sql += QStringLiteral(" Union All Select ") + kTimedColumns +
               QStringLiteral(",(Select Login from Usuarios Where Usuarios.Codigo = "
                              "Compromissos.Usuario) as NomeUsuario from Compromissos Where "
                              "Usuario <> ? and Data = ? and Compartilhado = ?") +
               hora +
               (timed ? QStringLiteral(" and Status <> ?")
                      : QStringLiteral(" and (Hora Is Null or Status <> ?)"));
        params << s.user << day << kSharedFlag << kDone;
    }
    // Every row has the same Data, so Hora (then Chave for rows at the same time)
    // gives the order of "Data, Hora"; a NULL Hora sorts first.
    sql += QStringLiteral(" Order By Hora,Chave");
    return db.runQuery(sql, params);
}

bool allDay(const RowSet& rs) {
    return rs.field(Hora).isNull();
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

// The grid as it fills: rows are added one by one, and the description column
// narrows at the moments the fill looks at the row count.
class GridRows {
public:
    explicit GridRows(qint64 user) : user_(user) {}

    // Adds one row: key, ChavePai, Status, Compartilhado, owner, start "HH:NN"
    // (empty all day), end "HH:NN" (empty when none) and the description.
    void add(qint64 key, const QString& parent, const QString& status, const QString& shared,
             qint64 owner, const QString& start, const QString& end, const QString& text) {
        const bool othersShared = shared == kSharedFlag && owner != user_;
        ScheduleRow row;
        row.keyText = RowKey{key, status, shared, end}.text();
        row.picture = statusPicture(parent, status, othersShared);
        row.sharedPicture = othersShared;
        row.timeText = start + kTwoBlanks;
        row.description = kBlank + text;
        schedule_.rows.push_back(std::move(row));
    }

    void addSlot(int minute) {
        const RowKey slot = RowKey::emptySlot();
        add(0, kNoParent, slot.status, slot.shared, 0, hhmm(minute), slot.end, kBlank);
    }

    // A timed row of the current position of the row set.
    void addTimed(const RowSet& rs) {
        QString text = rs.field(Compromisso).toString();
        const QString owner = rs.field(Owner).toString();
        if (!owner.isEmpty()) {
            text += QStringLiteral(" [") + owner + QLatin1Char(']');
        }
        const QVariant end = rs.field(HoraFim);
        add(rs.field(Chave).toLongLong(), QString::number(rs.field(ChavePai).toLongLong()),
            rs.field(Status).toString(), rs.field(Compartilhado).toString(),
            rs.field(Usuario).toLongLong(), hhmm(storedMinute(rs.field(Hora).toString())),
            end.isNull() ? QString() : hhmm(storedMinute(end.toString())), text);
    }

    void addAllDay(const RowSet& rs) {
        add(rs.field(Chave).toLongLong(), kNoParent, rs.field(Status).toString(),
            rs.field(Compartilhado).toString(), rs.field(Usuario).toLongLong(), QString(),
            QString(), rs.field(Compromisso).toString());
    }

    void narrowIfLong() {
        if (rowCount() >= kRowsBeforeNarrowing) {
            schedule_.descriptionWidth = kDescriptionNarrow;
        }
    }

    int rowCount() const { return static_cast<int>(schedule_.rows.size()) + 1; }
    DaySchedule take() { return std::move(schedule_); }

private:
    qint64 user_;
    DaySchedule schedule_;
};

void addAllDayRows(GridRows& grid, RowSet rs) {
    for (; !rs.eof() && allDay(rs); rs.moveNext()) {
        grid.addAllDay(rs);
    }
}

// Lays the timed rows into the slots InicioGrade, InicioGrade + step, ... up to
// FinalGrade: a row at a slot's time takes its place, rows between slots stand
// between them, rows before the first and after the last slot stand before and
// after them.
void addTimedRows(GridRows& grid, RowSet timed, const ScheduleSettings& s) {
    const int step = slotMinutes(s.gridStep);
    const int last = minuteOfDay(s.gridEnd);
    const int bound = last == kLastMinute ? last : last + 1;
    for (int t = minuteOfDay(s.gridStart); t <= bound; t += step) {
        for (;;) {
            grid.narrowIfLong();
            if (timed.eof()) {
                grid.addSlot(t);
                break;
            }
            const int start = storedMinute(timed.field(Hora).toString());
            if (start < t) {
                grid.addTimed(timed);
                timed.moveNext();
                continue;
            }
            if (start == t) {
                grid.addTimed(timed);
                timed.moveNext();
            } else {
                grid.addSlot(t);
            }
            break;
        }
    }
    for (; !timed.eof(); timed.moveNext()) {
        grid.addTimed(timed);
        grid.narrowIfLong();
    }
}

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

const std::array<ScheduleColumn, 4>& scheduleColumns() {
    static const std::array<ScheduleColumn, 4> columns{{
        {QString(), 0, Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("    "), 400, Qt::AlignCenter},
        {QStringLiteral("Horário"), 800, Qt::AlignRight | Qt::AlignVCenter},
        {QStringLiteral("Compromisso"), kDescriptionWide, Qt::AlignCenter},
    }};
    return columns;
}

RowSet queryTimedRows(const Db& db, const ScheduleSettings& settings, const QDate& day) {
    return queryDayRows(db, settings, day, DayPart::Timed);
}

DaySchedule buildDaySchedule(const Db& db, const ScheduleSettings& settings, const QDate& day) {
    GridRows grid(settings.user);
    // One query for the whole day: the all-day rows lead, the timed rows follow.
    const RowSet whole = queryDayRows(db, settings, day, DayPart::Whole);
    RowSet timed = whole;
    while (!timed.eof() && allDay(timed)) {
        timed.moveNext();
    }
    const bool above = settings.birthdayPosition == QLatin1String("A");
    const bool below = settings.birthdayPosition == QLatin1String("D");
    if (above) {
        addAllDayRows(grid, whole);
    }
    addTimedRows(grid, timed, settings);
    if (below) {
        addAllDayRows(grid, whole);
    }
    grid.narrowIfLong(); // more than 18 rows
    return grid.take();
}

QString dayCaption(const QDate& day) {
    return QLocale().toString(day, QLocale::LongFormat) + kBlank;
}

} // namespace orv::appointments
