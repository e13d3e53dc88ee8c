#include "contacts/ContactFilter.h"

#include "db/TextFolding.h"

#include <stdexcept>

namespace orv::contacts {
namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;

// A "like" pattern that finds the text anywhere, its own "%", "_" and "\" taken
// literally.
QString containing(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

// Case and accents aside on both sides: "JOAO" finds "João".
QString like(const QString& column) {
    return QStringLiteral("folded(") + column + QStringLiteral(") like ? escape '\\'");
}

// The upper-case initial of a single-letter button: "A" (1) ... "W" (23), "Z" (25).
char32_t initialCode(int index) {
    if (index <= 0 || index >= kLetterCount || index == 24) {
        throw std::out_of_range("letter index");
    }
    return index == 25 ? U'Z' : U'A' + static_cast<char32_t>(index) - 1;
}

// The characters other than a..z whose upper case begins with a letter A..Z.
struct Spelled {
    char32_t letter;
    InitialRange initials;
};
constexpr Spelled kSpelledWith[] = {
    {U'A', {0x1E9A, 0x1E9A}}, {U'F', {0xFB00, 0xFB04}}, {U'H', {0x1E96, 0x1E96}},
    {U'I', {0x0131, 0x0131}}, {U'J', {0x01F0, 0x01F0}}, {U'S', {0x00DF, 0x00DF}},
    {U'S', {0x017F, 0x017F}}, {U'S', {0xFB05, 0xFB06}}, {U'T', {0x1E97, 0x1E97}},
    {U'W', {0x1E98, 0x1E98}}, {U'Y', {0x1E99, 0x1E99}},
};

} // namespace

QString letterCaption(int index) {
    if (index == 0) {
        return QStringLiteral("0-9");
    }
    if (index == 24) {
        return QStringLiteral("X/Y");
    }
    return QString(QChar(initialCode(index)));
}

QVector<InitialRange> letterInitials(int index) {
    if (index == 0) {
        return {{0, U'A' - 1}, {U'Z' + 1, kLastCodePoint}};
    }
    const char32_t first = index == 24 ? U'X' : initialCode(index);
    const char32_t last = index == 24 ? U'Y' : first;
    constexpr char32_t lower = U'a' - U'A';
    QVector<InitialRange> ranges{{first, last}, {first + lower, last + lower}};
    for (const Spelled& s : kSpelledWith) {
        if (s.letter >= first && s.letter <= last) {
            ranges << s.initials;
        }
    }
    return ranges;
}

// The letters find their names on the (owner, name) indexes,
// whose names compare as NoCase: "A" and "a" alike, every other character as
// itself. A range of initials there is a range of names, read in the list's
// order without looking at the other names.
ContactFilter ContactFilter::letter(int index) {
    const QString range =
        QStringLiteral(" and Nome Collate NoCase >= ? and Nome Collate NoCase < ?");
    if (index == 0) {
        // Below "A", from "{" on, and the lower-case initials (stored before
        // "{" among their capitals, told apart by their code).
        return ContactFilter(
            {{range, {QStringLiteral("\u0001"), QStringLiteral("A")}},
             {QStringLiteral(" and Nome Collate NoCase >= ?"), {QStringLiteral("{")}},
             {range + QStringLiteral(" and unicode(Nome) > ?"),
              {QStringLiteral("A"), QStringLiteral("{"), qint64(U'Z')}}});
    }
    // Capitals stand among their lower case: "X".."Y" is the range "x" up to "z".
    const auto fold = [](char32_t c) { return c >= U'A' && c <= U'Z' ? c + U'a' - U'A' : c; };
    QVector<Part> parts;
    for (const InitialRange& r : letterInitials(index)) {
        const char32_t first = fold(r.first);
        const char32_t end = fold(r.last) + 1;
        const Part part{range, {QString::fromUcs4(&first, 1), QString::fromUcs4(&end, 1)}};
        if (!parts.contains(part)) {
            parts << part;
        }
    }
    return ContactFilter(parts);
}

ContactFilter ContactFilter::search(const ContactSearch& boxes) {
    Part part;
    const auto criterion = [&](const QString& box, const QStringList& columns) {
        const QString text = box.trimmed();
        if (text.isEmpty()) {
            return;
        }
        QStringList tests;
        for (const QString& column : columns) {
            tests << like(column);
            part.params << containing(foldedText(text));
        }
        part.condition += columns.size() == 1
                              ? QStringLiteral(" and ") + tests.front()
                              : QStringLiteral(" and ( ") + tests.join(QStringLiteral(" or ")) +
                                    QStringLiteral(" )");
    };
    criterion(boxes.name, {QStringLiteral("Nome")});
    criterion(boxes.company, {QStringLiteral("Empresa")});
    criterion(boxes.phone,
              {QStringLiteral("FoneRes"), QStringLiteral("FoneCom"), QStringLiteral("FoneCel")});
    criterion(boxes.email, {QStringLiteral("Email")});
    return ContactFilter({part});
}

} // namespace orv::contacts
