#pragma once

#include <QString>
#include <QVariant>

namespace orv {

// The stored form of a user's password (Usuarios.Senha): a salted, slow one-way
// hash, "$pbkdf2-sha256$<iterations>$<salt>$<hash>" with salt and hash in
// base64. The text is hashed exactly as typed (blanks included), as UTF-8 of
// its composed Unicode form. NULL stores "no password".
inline constexpr int kPasswordIterations = 120000;

// A new stored form of a password, with a fresh random salt.
QString hashPassword(const QString& clear, int iterations = kPasswordIterations);

// True for a stored hash; false for the older scrambled form.
bool isPasswordHash(const QString& stored);

// Whether the typed password opens the stored value: NULL and the empty text
// open with an empty password; a hash is computed again from the typed text;
// the older scrambled form is decoded and compared.
bool passwordMatches(const QVariant& stored, const QString& typed);

} // namespace orv
