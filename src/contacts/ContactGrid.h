#pragma once

#include "contacts/Contact.h"
#include "contacts/ContactFilter.h"
#include "db/RowSet.h"
#include "mainwindow/GridColumns.h"

#include <QVector>
#include <Qt>
#include <array>

namespace orv {
class AppContext;
}

namespace orv::contacts {

// Column 0 is hidden and holds the row record; 1 name, 2 phone, 3 company, 4 birthday.
inline constexpr int kGridColumns = 5;
const QVector<GridColumn>& contactColumns();

// What one data row of the contact grid shows.
struct ContactRow {
    QString record;       // column 0: the fields of the detail form, each ended by a TAB
    QString nameCell;     // "    " + name, with " [login]" for another user's contact
    bool sharedPicture;   // the cell carries imgCompartilhado: another user's shared contact
    QString phoneCell;    // the first of home, business and mobile phone that is not empty
    QString companyCell;  // "  " + company
    QString birthdayCell; // "DD/MM" or empty
};
} // namespace orv::contacts
Q_DECLARE_TYPEINFO(orv::contacts::ContactRow, Q_RELOCATABLE_TYPE);
namespace orv::contacts {

// The address book of the logged-on user under the filter, with his
// show-shared setting. No row means "Sem Registro para Exibição".
QVector<ContactRow> listContacts(const AppContext& ctx, const ContactFilter& filter);

// A clicked row back as the detail form shows it: the record's fields trimmed,
// name and company from their cells trimmed (another user's name keeps its
// bracketed login).
Contact contactFromRow(const QString& record, const QString& nameCell, const QString& companyCell);

} // namespace orv::contacts
