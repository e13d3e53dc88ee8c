#include "appointments/DaySchedule.h"

#include "appointments/AppointmentStore.h"
#include "appointments/AppointmentTimes.h"
#include "appointments/RowKey.h"

#include <QLocale>

namespace orv::appointments {
namespace {

using namespace column;

const QString kSharedFlag = QStringLiteral("S");
const QString kNoParent = QStringLiteral("0");
const QString kTwoBlanks = QStringLiteral("  ");
const QString kBlank = QStringLiteral(" ");
constexpr int kLastMinute = 23 * 60 + 59;
constexpr int kRowsBeforeNarrowing = 19;

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
        const QVariant end = rs.field(HoraFim);
        add(rs.field(Chave).toLongLong(), QString::number(rs.field(ChavePai).toLongLong()),
            rs.field(Status).toString(), rs.field(Compartilhado).toString(),
            rs.field(Usuario).toLongLong(), hhmm(storedMinute(rs.field(Hora).toString())),
            end.isNull() ? QString() : hhmm(storedMinute(end.toString())), timedText(rs));
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
    for (; !rs.eof() && isAllDay(rs); rs.moveNext()) {
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
    return queryScheduleRows(db, settings, day, day, DayPart::Timed);
}

DaySchedule buildDaySchedule(const Db& db, const ScheduleSettings& settings, const QDate& day) {
    GridRows grid(settings.user);
    // One query for the whole day: the all-day rows lead, the timed rows follow.
    const RowSet whole = queryScheduleRows(db, settings, day, day, DayPart::Whole);
    RowSet timed = whole;
    while (!timed.eof() && isAllDay(timed)) {
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
