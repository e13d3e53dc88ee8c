#include "db/TextFolding.h"

#include <QList>
#include <sqlcipher/sqlite3.h>

#include <array>
#include <string>

namespace orv {
namespace {

constexpr char32_t kDropped = 0;

// A code point without its accents and case: the first character of its
// canonical decomposition, repeated down to a base character, case-folded.
// Combining marks (a separate accent) are dropped.
char32_t foldSlow(char32_t c) {
    if (QChar::category(c) == QChar::Mark_NonSpacing) {
        return kDropped;
    }
    for (QString parts = QChar::decomposition(c);
         !parts.isEmpty() && QChar::decompositionTag(c) == QChar::Canonical;
         parts = QChar::decomposition(c)) {
        c = parts.toUcs4().value(0);
    }
    return QChar::toCaseFolded(c);
}

// Latin letters with accents are most of what a Brazilian address book holds
// beyond ASCII: their folding is looked up, the rest worked out.
constexpr char32_t kTableEnd = 0x250;

char32_t fold(char32_t c) {
    if (c < 0x80) {
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    }
    if (c < kTableEnd) {
        static const auto table = [] {
            std::array<char32_t, kTableEnd> t{};
            for (char32_t i = 0; i < kTableEnd; ++i) {
                t[i] = foldSlow(i);
            }
            return t;
        }();
        return table[c];
    }
    return foldSlow(c);
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The stored text is UTF-8; it is folded as it is read, without a QString.
std::string foldUtf8(const unsigned char* s, int n) {
    std::string out;
    out.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n;) {
        const unsigned char b = s[i];
        char32_t c = b;
        int extra = 0;
        if (b >= 0xF0) {
            c = b & 0x07;
            extra = 3;
        } else if (b >= 0xE0) {
            c = b & 0x0F;
            extra = 2;
        } else if (b >= 0xC0) {
            c = b & 0x1F;
            extra = 1;
        }
        ++i;
        for (; extra > 0 && i < n && (s[i] & 0xC0) == 0x80; --extra, ++i) {
            c = (c << 6) | (s[i] & 0x3F);
        }
        if (const char32_t f = fold(c); f != kDropped) {
            appendUtf8(out, f);
        }
    }
    return out;
}

void foldedFn(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const unsigned char* text = sqlite3_value_text(argv[0]);
    const std::string folded = foldUtf8(text, sqlite3_value_bytes(argv[0]));
    sqlite3_result_text(ctx, folded.data(), static_cast<int>(folded.size()), SQLITE_TRANSIENT);
}

} // namespace

QString foldedText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const std::string folded =
        foldUtf8(reinterpret_cast<const unsigned char*>(utf8.constData()), int(utf8.size()));
    return QString::fromUtf8(folded.data(), qsizetype(folded.size()));
}

void registerTextFolding(sqlite3* db) {
    sqlite3_create_function_v2(db, "folded", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               foldedFn, nullptr, nullptr, nullptr);
}

} // namespace orv
