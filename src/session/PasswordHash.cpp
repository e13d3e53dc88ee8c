#include "session/PasswordHash.h"

#include "session/Passwords.h"

#include <QByteArray>
#include <QStringList>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <stdexcept>

namespace orv {
namespace {

const QString kMark = QStringLiteral("$pbkdf2-sha256$");
constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;

QByteArray derive(const QString& clear, const QByteArray& salt, int iterations) {
    const QByteArray text = clear.normalized(QString::NormalizationForm_C).toUtf8();
    QByteArray out(kHashBytes, Qt::Uninitialized);
    if (PKCS5_PBKDF2_HMAC(text.constData(), static_cast<int>(text.size()),
                          reinterpret_cast<const unsigned char*>(salt.constData()),
                          static_cast<int>(salt.size()), iterations, EVP_sha256(), kHashBytes,
                          reinterpret_cast<unsigned char*>(out.data())) != 1) {
        throw std::runtime_error("PBKDF2 failed");
    }
    return out;
}

bool hashMatches(const QString& stored, const QString& typed) {
    const QStringList parts = stored.mid(kMark.size()).split(QLatin1Char('$'));
    bool ok = false;
    const int iterations = parts.value(0).toInt(&ok);
    if (parts.size() != 3 || !ok || iterations < 1) {
        return false;
    }
    const QByteArray salt = QByteArray::fromBase64(parts.at(1).toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts.at(2).toLatin1());
    const QByteArray actual = derive(typed, salt, iterations);
    return expected.size() == actual.size() &&
           CRYPTO_memcmp(expected.constData(), actual.constData(), actual.size()) == 0;
}

} // namespace

QString hashPassword(const QString& clear, int iterations) {
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    if (RAND_bytes(reinterpret_cast<unsigned char*>(salt.data()), kSaltBytes) != 1) {
        throw std::runtime_error("no random salt");
    }
    return kMark + QString::number(iterations) + QLatin1Char('$') +
           QString::fromLatin1(salt.toBase64()) + QLatin1Char('$') +
           QString::fromLatin1(derive(clear, salt, iterations).toBase64());
}

bool isPasswordHash(const QString& stored) {
    return stored.startsWith(kMark);
}

bool passwordMatches(const QVariant& stored, const QString& typed) {
    const QString text = stored.isNull() ? QString() : stored.toString();
    if (isPasswordHash(text)) {
        return hashMatches(text, typed);
    }
    return decodePassword(text) == typed;
}

} // namespace orv
