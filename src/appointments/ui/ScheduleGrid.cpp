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
    grid.setUpdatesEnabled(false);
    grid.clearRows();
    const auto& columns = scheduleColumns();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const int width = c == TextColumn ? schedule.descriptionWidth : columns[c].width;
        grid.setHeader(c, columns[c].header, scheduleTwips(width), columns[c].alignment);
    }
    for (const ScheduleRow& row : schedule.rows) {
        const int r = grid.addRow();
        grid.setText(r, KeyColumn, row.keyText);
        grid.setAlignment(r, StatusColumn, Qt::AlignCenter);
        if (!row.picture.isEmpty()) {
            grid.setPicture(r, StatusColumn, row.picture, Qt::AlignCenter);
        }
        if (row.sharedPicture) {
            grid.setPicture(r, TimeColumn, picture::kShared, Qt::AlignLeft);
        }
        grid.setAlignment(r, TimeColumn, Qt::AlignRight);
        grid.setText(r, TimeColumn, row.timeText);
        grid.setAlignment(r, TextColumn, Qt::AlignLeft);
        grid.setText(r, TextColumn, row.description);
    }
    grid.setCurrentCell(-1, -1);
    grid.setUpdatesEnabled(true);
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
