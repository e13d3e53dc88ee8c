#pragma once

#include <QByteArrayView>
#include <QString>

struct sqlite3_stmt;

namespace orv {

// The current row of a result being read straight from the store, without a
// copy of the whole result (see Db::forEachRow). It is valid only inside the
// call that receives it. NULL reads as the empty text or 0.
class RowCursor {
public:
    explicit RowCursor(sqlite3_stmt* statement) : statement_(statement) {}

    int columnCount() const;
    // The position of a column by its name, ignoring case; a missing column
    // is a DbError, as with RowSet.
    int column(const char* name) const;

    bool isNull(int column) const;
    QString text(int column) const;
    // The stored text as UTF-8, valid until the cursor moves on.
    QByteArrayView utf8(int column) const;
    qint64 integer(int column) const;
    double number(int column) const;

private:
    sqlite3_stmt* statement_;
};

} // namespace orv
