#pragma once

#include "contacts/Contact.h"
#include "contacts/ContactFilter.h"
#include "db/RowSet.h"
#include "mainwindow/GridColumns.h"

#include <QVector>
#include <Qt>
#include <array>
#include <deque>
#include <string>

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

// The address book as listed: the stored fields of every row, kept as the
// store gives them (UTF-8), and the cells of a row made only when they are
// asked for. A book of thousands of contacts is listed without making
// thousands of texts; the grid asks for the rows on screen.
class ContactList {
public:
    int size() const { return static_cast<int>(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }

    QString record(int row) const;
    QString nameCell(int row) const;
    bool sharedPicture(int row) const { return rows_.at(row).shared; }
    QString phoneCell(int row) const;
    QString companyCell(int row) const;
    QString birthdayCell(int row) const;
    ContactRow row(int row) const;

private:
    friend ContactList listContacts(const AppContext& ctx, const ContactFilter& filter);
    static constexpr int kFields = 16; // the record's thirteen, name, company, owner's login
    struct Row {
        int block = 0;                   // the fields one after the other in blocks_[block],
        int begin = 0;                   // from here
        std::array<int, kFields> ends{}; // to where each one ends
        bool shared = false;             // another user's shared contact
    };
    // Room for a row of that many bytes; the rows share large blocks, so a
    // long list costs few allocations.
    Row& addRow(std::size_t bytes);
    QByteArrayView field(int row, int field) const;
    QString text(int row, int field) const;

    std::deque<std::string> blocks_; // filled up to their capacity, never moved
    std::deque<Row> rows_;
};

// The address book of the logged-on user under the filter, with his
// show-shared setting, in the list's order. No row means "Sem Registro para
// Exibição".
ContactList listContacts(const AppContext& ctx, const ContactFilter& filter);

// A clicked row back as the detail form shows it: the record's fields trimmed,
// name and company from their cells trimmed (another user's name keeps its
// bracketed login).
Contact contactFromRow(const QString& record, const QString& nameCell, const QString& companyCell);

} // namespace orv::contacts
