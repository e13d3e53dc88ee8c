#pragma once

#include <QString>
#include <QVariant>

namespace orv {

// An optional text column: NULL when the text is empty.
inline QVariant nullIfEmpty(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

} // namespace orv
