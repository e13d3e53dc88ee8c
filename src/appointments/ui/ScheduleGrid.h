#pragma once

#include "appointments/DaySchedule.h"

namespace orv {
class Grid;
}

namespace orv::appointments {

// The day grid is drawn a quarter larger than its design widths, all columns
// alike, so that the time and the shared picture fit side by side in the
// fonts of this platform.
inline constexpr double kScheduleScale = 1.25;
int scheduleTwips(int designTwips);

// Shows the rows of a day schedule in grdCompromissos: the header with its
// widths, then one grid row per schedule row, nothing current.
void fillScheduleGrid(Grid& grid, const DaySchedule& schedule);

// The schedule row a grid row shows, read back from its cells.
ScheduleRow scheduleRowOf(const Grid& grid, int row);

} // namespace orv::appointments
