#pragma once

#include "appointments/ScheduleRows.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QVector>
#include <array>

namespace orv::appointments {

// Names of the main window's pictures that the day grid shows.
namespace picture {
inline const QString kAttached = QStringLiteral("imgAnexado");     // continuation row
inline const QString kLocked = QStringLiteral("imgBloqueado");     // another user's row
inline const QString kBirthday = QStringLiteral("imgAniversario"); // yearly birthday
inline const QString kAlarm = QStringLiteral("imgAlarme");         // pending with alarm
inline const QString kDone = QStringLiteral("imgExecutado");       // done
inline const QString kShared = QStringLiteral("imgCompartilhado"); // time cell of others' rows
} // namespace picture

// The four columns of grdCompromissos: header text, width in twips, alignment.
// Column 0 is hidden and holds the row key text.
struct ScheduleColumn {
    QString header;
    int width;
    Qt::Alignment alignment;
};
const std::array<ScheduleColumn, 4>& scheduleColumns();

// Widths of the description column: the grid narrows it once it holds 19 rows or
// more (header included) to leave room for the vertical scroll bar.
inline constexpr int kDescriptionWide = 4400;
inline constexpr int kDescriptionNarrow = 4160;

// One data row of the grid, cell by cell.
struct ScheduleRow {
    QString keyText;            // column 0, see RowKey
    QString picture;            // column 1: a status picture name, empty for none
    bool sharedPicture = false; // column 2 shows imgCompartilhado at its left
    QString timeText;           // column 2: "HH:NN" and two blanks; two blanks all day
    QString description;        // column 3: a blank, the description, " [LOGIN]" for others
};

struct DaySchedule {
    QVector<ScheduleRow> rows; // below the header row
    int descriptionWidth = kDescriptionWide;
};

// The rows of the day grid for the day: the slots of the user's working day with
// the day's appointments laid into them, other users' shared appointments when the
// user sees them, and the all-day rows above or below.
DaySchedule buildDaySchedule(const Db& db, const ScheduleSettings& settings, const QDate& day);

// The appointments with a start time of the day, in time order: the user's own
// and, when the user sees them, others' shared rows that are not done. The grid
// reads these together with the all-day rows in one query.
RowSet queryTimedRows(const Db& db, const ScheduleSettings& settings, const QDate& day);

// Caption of lblData: the day in the system's long date format and one blank.
QString dayCaption(const QDate& day);

} // namespace orv::appointments
