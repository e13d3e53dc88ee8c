#include "contacts/ContactValues.h"

#include "db/TextFolding.h"

#include <array>

namespace orv::contacts {
namespace {

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Keeps the characters the box accepts; blanks (and "/") between two digits
// become "-" when the box wants them kept apart.
BoxValue keepAccepted(const QString& raw, const QString& accepted, bool blanksAsDash) {
    BoxValue v;
    bool blank = false;
    for (const QChar c : raw) {
        if (c.isSpace() || c == QLatin1Char('/')) {
            blank = !v.text.isEmpty();
            continue;
        }
        if (!isAsciiDigit(c) && !accepted.contains(c)) {
            v.lossy = true;
            continue;
        }
        if (blank && blanksAsDash && isAsciiDigit(c) && isAsciiDigit(v.text.back())) {
            v.text += QLatin1Char('-');
        }
        blank = false;
        v.text += c;
    }
    return v;
}

} // namespace

BoxValue phoneAsTyped(const QString& raw) {
    QString s = raw.trimmed();
    if (s.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
        s = s.mid(4).section(QLatin1Char(';'), 0, 0);
    }
    if (s.startsWith(QLatin1String("+55"))) {
        s = s.mid(3);
    } else if (s.startsWith(QLatin1Char('+'))) {
        s = QStringLiteral("00") + s.mid(1);
    }
    BoxValue v = keepAccepted(s, QStringLiteral(".-()"), true);
    while (v.text.startsWith(QLatin1Char('-')) || v.text.startsWith(QLatin1Char('.'))) {
        v.text.remove(0, 1);
    }
    return v;
}

BoxValue postalCodeAsTyped(const QString& raw) {
    return keepAccepted(raw, QStringLiteral(".-"), false);
}

QString stateAsTyped(const QString& raw) {
    static const std::array<std::pair<const char*, const char*>, 27> kStates = {{
        {"acre", "AC"},
        {"alagoas", "AL"},
        {"amapa", "AP"},
        {"amazonas", "AM"},
        {"bahia", "BA"},
        {"ceara", "CE"},
        {"distrito federal", "DF"},
        {"espirito santo", "ES"},
        {"goias", "GO"},
        {"maranhao", "MA"},
        {"mato grosso", "MT"},
        {"mato grosso do sul", "MS"},
        {"minas gerais", "MG"},
        {"para", "PA"},
        {"paraiba", "PB"},
        {"parana", "PR"},
        {"pernambuco", "PE"},
        {"piaui", "PI"},
        {"rio de janeiro", "RJ"},
        {"rio grande do norte", "RN"},
        {"rio grande do sul", "RS"},
        {"rondonia", "RO"},
        {"roraima", "RR"},
        {"santa catarina", "SC"},
        {"sao paulo", "SP"},
        {"sergipe", "SE"},
        {"tocantins", "TO"},
    }};
    const QString key = foldedText(raw).simplified();
    for (const auto& [name, code] : kStates) {
        if (key == QLatin1String(name)) {
            return QLatin1String(code);
        }
    }
    return raw.trimmed();
}

} // namespace orv::contacts
