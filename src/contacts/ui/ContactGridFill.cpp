#include "contacts/ui/ContactGridFill.h"

#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/PanelControls.h"

namespace orv::contacts {
namespace {

// The cells of a listed contact, made when the grid shows or reads them.
class ContactCells : public GridRowSource {
public:
    explicit ContactCells(ContactList list) : list_(std::move(list)) {}

    int rowCount() const override { return list_.size(); }

    GridCell cell(int row, int column) const override {
        GridCell c;
        c.setAlignment(contactColumns().at(column).cellAlignment);
        switch (column) {
        case 0:
            c.text = list_.record(row);
            break;
        case 1:
            c.text = list_.nameCell(row);
            if (list_.sharedPicture(row)) {
                c.setPicture(QStringLiteral("imgCompartilhado"), Qt::AlignLeft | Qt::AlignVCenter);
            }
            break;
        case 2:
            c.text = list_.phoneCell(row);
            break;
        case 3:
            c.text = list_.companyCell(row);
            break;
        default:
            c.text = list_.birthdayCell(row);
        }
        return c;
    }

private:
    ContactList list_;
};

} // namespace

void showContacts(Grid& grid, ContactList list) {
    layOutColumns(grid, contactColumns());
    grid.setRows(std::make_shared<ContactCells>(std::move(list)));
}

} // namespace orv::contacts
