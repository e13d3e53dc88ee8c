#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <QVector>

namespace orv {

// A complete, read-only snapshot of a query's result, read front to back.
// A NULL column reads as an invalid QVariant; the typed readers turn NULL into
// the empty text, 0, or an invalid date/time.
class RowSet {
public:
    RowSet() = default;
    RowSet(QStringList columns, QVector<QVector<QVariant>> rows);

    bool eof() const { return !data_ || position_ >= data_->rows.size(); }
    int recordCount() const { return data_ ? static_cast<int>(data_->rows.size()) : 0; }
    void moveNext() { ++position_; }
    void close();

    QVariant field(const QString& column) const;
    QVariant field(int index) const;
    bool isNull(const QString& column) const { return field(column).isNull(); }
    QString text(const QString& column) const;
    qint64 integer(const QString& column) const;
    double number(const QString& column) const;
    QDate date(const QString& column) const;
    QTime time(const QString& column) const;
    const QStringList& columns() const;

private:
    struct Data {
        QStringList columns;
        QHash<QString, int> index; // lower-case column name -> position
        QHash<QString, int> exact; // column name as the store spells it -> position
        QVector<QVector<QVariant>> rows;
    };
    const QVector<QVariant>& current() const;
    int columnIndex(const QString& column) const;

    QSharedPointer<const Data> data_;
    qsizetype position_ = 0;
};

// How dates and times are kept in the data file: ISO texts, so that they compare
// and sort correctly as stored.
QString storedDate(const QDate& date);
QString storedTime(const QTime& time);
QDate parseStoredDate(const QString& text);
QTime parseStoredTime(const QString& text);

} // namespace orv
