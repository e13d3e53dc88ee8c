#pragma once

#include <QString>
#include <QVariant>

namespace orv {

// The character scrambling of stored passwords and of the version 1.0 text fields.
QString encodePassword(const QString& clear);
QString decodePassword(const QString& stored);
// NULL (an invalid variant) and the empty text decode to the empty text.
QString decodePassword(const QVariant& stored);

} // namespace orv
