#pragma once

#include "contacts/ContactGrid.h"

namespace orv {
class Grid;
}

namespace orv::contacts {

// Back to the header row only, with the columns' headers, widths and alignments.
void resetContactGrid(Grid& grid);
// Appends one contact as the next data row.
void addContactRow(Grid& grid, const ContactRow& row);

} // namespace orv::contacts
