#include "contacts/ui/ContactGridFill.h"

#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/PanelControls.h"

namespace orv::contacts {

void resetContactGrid(Grid& grid) {
    grid.clearRows();
    grid.setCurrentCell(-1, -1);
    layOutColumns(grid, contactColumns());
}

void addContactRow(Grid& grid, const ContactRow& row) {
    const int r = grid.addRow();
    const auto& columns = contactColumns();
    const QString cells[kGridColumns] = {row.record, row.nameCell, row.phoneCell, row.companyCell,
                                         row.birthdayCell};
    for (int c = 0; c < kGridColumns; ++c) {
        grid.setText(r, c, cells[c]);
        grid.setAlignment(r, c, columns[c].cellAlignment);
    }
    if (row.sharedPicture) {
        grid.setPicture(r, 1, QStringLiteral("imgCompartilhado"), Qt::AlignLeft | Qt::AlignVCenter);
    }
}

} // namespace orv::contacts
