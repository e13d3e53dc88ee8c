#pragma once

#include <QString>
#include <QVariant>

namespace orv {

// The character scrambling of the version 1.0 text fields and of the passwords
// stored before they were hashed (PasswordHash.h); it is reversible, so no new
// password is stored with it.
QString encodePassword(const QString& clear);
QString decodePassword(const QString& stored);
// NULL (an invalid variant) and the empty text decode to the empty text.
QString decodePassword(const QVariant& stored);

} // namespace orv
