#include "appointments/ui/ScheduleGrid.h"

#include "mainwindow/ui/Grid.h"

namespace orv::appointments {
namespace {

enum Column { KeyColumn, StatusColumn, TimeColumn, TextColumn };

} // namespace

int scheduleTwips(int designTwips) {
    return static_cast<int>(designTwips * kScheduleScale);
}

void fillScheduleGrid(Grid& grid, const DaySchedule& schedule) {
    const auto& columns = scheduleColumns();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const int width = c == TextColumn ? schedule.descriptionWidth : columns[c].width;
        grid.setHeader(c, columns[c].header, scheduleTwips(width), columns[c].alignment);
    }
    QVector<GridRow> rows;
    rows.reserve(schedule.rows.size());
    for (const ScheduleRow& row : schedule.rows) {
        GridRow& r = rows.emplace_back(static_cast<int>(columns.size()));
        r.cells[KeyColumn].text = row.keyText;
        GridCell& status = r.cells[StatusColumn];
        status.setAlignment(Qt::AlignCenter);
        if (!row.picture.isEmpty()) {
            status.setPicture(row.picture, Qt::AlignCenter);
        }
        GridCell& time = r.cells[TimeColumn];
        if (row.sharedPicture) {
            time.setPicture(picture::kShared, Qt::AlignLeft);
        }
        time.setAlignment(Qt::AlignRight);
        time.text = row.timeText;
        r.cells[TextColumn].setAlignment(Qt::AlignLeft);
        r.cells[TextColumn].text = row.description;
    }
    grid.setRows(std::move(rows));
}

ScheduleRow scheduleRowOf(const Grid& grid, int row) {
    ScheduleRow r;
    r.keyText = grid.text(row, KeyColumn);
    r.picture = grid.pictureName(row, StatusColumn);
    r.sharedPicture = grid.pictureName(row, TimeColumn) == picture::kShared;
    r.timeText = grid.text(row, TimeColumn);
    r.description = grid.text(row, TextColumn);
    return r;
}

} // namespace orv::appointments
