#pragma once

#include <QString>

namespace orv::appointments {

// The hidden key text of a day grid row: Chave, Status, Compartilhado and the end
// time "HH:NN", joined by tab characters. An empty slot carries "0", " ", " " and
// an empty end time.
struct RowKey {
    qint64 key = 0;
    QString status;
    QString shared;
    QString end; // "HH:NN", empty when the row has no end time

    QString text() const;
    static RowKey parse(const QString& text);
    static RowKey emptySlot();
};

} // namespace orv::appointments
