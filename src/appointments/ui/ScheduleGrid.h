#pragma once

#include "appointments/DaySchedule.h"

namespace orv {
class Grid;
}

namespace orv::appointments {

// Shows the rows of a day schedule in grdCompromissos: the header with its
// widths, then one grid row per schedule row, nothing current.
void fillScheduleGrid(Grid& grid, const DaySchedule& schedule);

// The schedule row a grid row shows, read back from its cells.
ScheduleRow scheduleRowOf(const Grid& grid, int row);

} // namespace orv::appointments
