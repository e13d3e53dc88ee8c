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

QDate parseStoredDate(const QString& text) {
    return QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
}

QTime parseStoredTime(const QString& text) {
    QTime t = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
    if (!t.isValid()) {
        t = QTime::fromString(text, QStringLiteral("HH:mm"));
    }
    return t;
}

} // namespace orv
