#include "db/RowSet.h"

#include "db/DbError.h"

namespace orv {

RowSet::RowSet(QStringList columns, QVector<QVector<QVariant>> rows) {
    auto data = QSharedPointer<Data>::create();
    for (int i = 0; i < columns.size(); ++i) {
        const QString key = columns[i].toLower();
        if (!data->index.contains(key)) {
            data->index.insert(key, i);
        }
        if (!data->exact.contains(columns[i])) {
            data->exact.insert(columns[i], data->index.value(key));
        }
    }
    data->columns = std::move(columns);
    data->rows = std::move(rows);
    data_ = data;
}

void RowSet::close() {
    data_.reset();
    position_ = 0;
}

const QStringList& RowSet::columns() const {
    static const QStringList none;
    return data_ ? data_->columns : none;
}

const QVector<QVariant>& RowSet::current() const {
    if (eof()) {
        throw DbError(3021, QStringLiteral("Não há registro atual."));
    }
    return data_->rows[position_];
}

int RowSet::columnIndex(const QString& column) const {
    if (data_) {
        // Callers mostly spell a column as the store does: no lower-case copy then.
        if (const auto it = data_->exact.constFind(column); it != data_->exact.constEnd()) {
            return it.value();
        }
        const auto it = data_->index.constFind(column.toLower());
        if (it != data_->index.constEnd()) {
            return it.value();
        }
    }
    throw DbError::missingColumn(column);
}

QVariant RowSet::field(const QString& column) const {
    return current()[columnIndex(column)];
}

QVariant RowSet::field(int index) const {
    const auto& row = current();
    if (index < 0 || index >= row.size()) {
        throw DbError::missingColumn(QString::number(index));
    }
    return row[index];
}

QString RowSet::text(const QString& column) const {
    const QVariant v = field(column);
    return v.isNull() ? QString() : v.toString();
}

qint64 RowSet::integer(const QString& column) const {
    const QVariant v = field(column);
    return v.isNull() ? 0 : v.toLongLong();
}

double RowSet::number(const QString& column) const {
    const QVariant v = field(column);
    return v.isNull() ? 0.0 : v.toDouble();
}

QDate RowSet::date(const QString& column) const {
    return parseStoredDate(text(column));
}

QTime RowSet::time(const QString& column) const {
    return parseStoredTime(text(column));
}

QString storedDate(const QDate& date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString storedTime(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

namespace {

// The number written by `count` digits at `from`, or -1 when one is not a digit.
int digitsAt(const QString& text, int from, int count) {
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

// The stored forms are fixed ("yyyy-MM-dd", "HH:mm:ss"), read digit by digit:
// a list of thousands of rows reads two dates each, and a parser driven by a
// format string costs more than the rest of the row. Anything else goes to
// that parser.
QDate parseStoredDate(const QString& text) {
    if (text.size() >= 10 && text.at(4) == u'-' && text.at(7) == u'-') {
        const int year = digitsAt(text, 0, 4);
        const int month = digitsAt(text, 5, 2);
        const int day = digitsAt(text, 8, 2);
        if (year >= 0 && month >= 0 && day >= 0) {
            return QDate(year, month, day); // invalid for a day that does not exist
        }
    }
    return QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
}

QTime parseStoredTime(const QString& text) {
    if (text.size() == 8 && text.at(2) == u':' && text.at(5) == u':') {
        const int hour = digitsAt(text, 0, 2);
        const int minute = digitsAt(text, 3, 2);
        const int second = digitsAt(text, 6, 2);
        if (hour >= 0 && minute >= 0 && second >= 0) {
            return QTime(hour, minute, second); // invalid for a time that does not exist
        }
    }
    QTime t = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
    if (!t.isValid()) {
        t = QTime::fromString(text, QStringLiteral("HH:mm"));
    }
    return t;
}

} // namespace orv
