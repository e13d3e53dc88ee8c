#include "db/RowCursor.h"

#include "db/DbError.h"

#include <sqlcipher/sqlite3.h>

namespace orv {

int RowCursor::columnCount() const {
    return sqlite3_column_count(statement_);
}

int RowCursor::column(const char* name) const {
    const int n = columnCount();
    for (int i = 0; i < n; ++i) {
        if (sqlite3_stricmp(sqlite3_column_name(statement_, i), name) == 0) {
            return i;
        }
    }
    throw DbError::missingColumn(QLatin1String(name));
}

bool RowCursor::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

QByteArrayView RowCursor::utf8(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return {text, sqlite3_column_bytes(statement_, column)};
}

QString RowCursor::text(int column) const {
    const QByteArrayView bytes = utf8(column);
    return QString::fromUtf8(bytes.data(), bytes.size());
}

qint64 RowCursor::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

double RowCursor::number(int column) const {
    return sqlite3_column_double(statement_, column);
}

} // namespace orv
