#include "contacts/ContactFilter.h"

#include <stdexcept>

namespace orv::contacts {
namespace {

// Code of the first character of the name, as stored and upper-cased. The
// built-in unicode() reads NULL for an empty name where Asc would stop the
// whole query with an error.
const QString kInitialCode = QStringLiteral("unicode(Nome)");
const QString kUpperInitialCode = QStringLiteral("unicode(ucase(\"Left\"(Nome,1)))");

// A "like" pattern that finds the text anywhere, its own "%", "_" and "\" taken
// literally.
QString containing(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QString like(const QString& column) {
    return column + QStringLiteral(" like ? escape '\\'");
}

// The upper-case initial of a single-letter button: "A" (1) ... "W" (23), "Z" (25).
int initialCode(int index) {
    if (index <= 0 || index >= kLetterCount || index == 24) {
        throw std::out_of_range("letter index");
    }
    return index == 25 ? 'Z' : 'A' + index - 1;
}

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

ContactFilter ContactFilter::letter(int index) {
    if (index == 0) {
        return ContactFilter(QStringLiteral(" and ( %1 < 65 or %1 > 90 )").arg(kInitialCode), {});
    }
    if (index == 24) {
        return ContactFilter(QStringLiteral(" and %1 in (?,?)").arg(kUpperInitialCode),
                             {int('X'), int('Y')});
    }
    return ContactFilter(QStringLiteral(" and %1 = ?").arg(kUpperInitialCode),
                         {initialCode(index)});
}

ContactFilter ContactFilter::search(const ContactSearch& boxes) {
    QString condition;
    Params params;
    const auto criterion = [&](const QString& box, const QStringList& columns) {
        const QString text = box.trimmed();
        if (text.isEmpty()) {
            return;
        }
        QStringList tests;
        for (const QString& column : columns) {
            tests << like(column);
            params << containing(text);
        }
        condition += columns.size() == 1
                         ? QStringLiteral(" and ") + tests.front()
                         : QStringLiteral(" and ( ") + tests.join(QStringLiteral(" or ")) +
                               QStringLiteral(" )");
    };
    criterion(boxes.name, {QStringLiteral("Nome")});
    criterion(boxes.company, {QStringLiteral("Empresa")});
    criterion(boxes.phone,
              {QStringLiteral("FoneRes"), QStringLiteral("FoneCom"), QStringLiteral("FoneCel")});
    criterion(boxes.email, {QStringLiteral("Email")});
    return ContactFilter(condition, params);
}

} // namespace orv::contacts
