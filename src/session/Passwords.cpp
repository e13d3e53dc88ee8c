#include "session/Passwords.h"

#include <cmath>

namespace orv {

QString encodePassword(const QString& clear) {
    QString out;
    out.reserve(clear.size() * 2);
    for (const QChar c : clear) {
        if (c.unicode() < 127) {
            out += QChar(static_cast<char16_t>(2 * c.unicode()));
        } else {
            out += QChar(1);
            out += c;
        }
    }
    return out;
}

QString decodePassword(const QString& stored) {
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const char16_t c = stored[i].unicode();
        if (c == 1) {
            if (i + 1 < stored.size()) {
                out += stored[++i];
            }
            continue;
        }
        // Odd codes never come from encodePassword; they halve with rounding to even.
        out += QChar(static_cast<char16_t>(std::nearbyint(c / 2.0)));
    }
    return out;
}

QString decodePassword(const QVariant& stored) {
    return stored.isNull() ? QString() : decodePassword(stored.toString());
}

} // namespace orv
