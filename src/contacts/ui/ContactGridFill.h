#pragma once

#include "contacts/ContactGrid.h"

namespace orv {
class Grid;
}

namespace orv::contacts {

// Lays out the columns (headers, widths, alignments) and shows the list, all
// at once; the grid makes the cells of the rows on screen only. Nothing is
// current after.
void showContacts(Grid& grid, ContactList list);
// Back to the header row only.
inline void resetContactGrid(Grid& grid) {
    showContacts(grid, {});
}

} // namespace orv::contacts
