#include "contacts/ContactForm.h"

#include "mainwindow/Messages.h"

#include <QRegularExpression>

namespace orv::contacts {
namespace {

// The year a typed day and month are checked against: not a leap year.
constexpr int kCheckYear = 1905;
// A leap year, for day and month that exist in some year (29/02 included).
constexpr int kLeapYear = 2000;
// A 29/02 falls again at most eight years later (2096 to 2104).
constexpr int kLongestWait = 8;

// The typed day and month ("15/03", "1/3") as a date of the given year;
// invalid when the text is no such day.
QDate dayMonthIn(int year, const QString& typed) {
    static const QRegularExpression dayMonth(QStringLiteral("^(\\d{1,2})/(\\d{1,2})$"));
    const auto m = dayMonth.match(typed.trimmed());
    return m.hasMatch() ? QDate(year, m.captured(2).toInt(), m.captured(1).toInt()) : QDate();
}

} // namespace

QString storedName(const QString& typed) {
    QString name = typed.trimmed();
    if (!name.isEmpty()) {
        name[0] = name[0].toUpper();
    }
    return name;
}

QString storedBirthday(const QString& typed) {
    const QDate d = dayMonthIn(kCheckYear, typed);
    return d.isValid() ? d.toString(QStringLiteral("dd/MM")) : QString();
}

QDate nextBirthday(const QString& birthday, const QDate& today) {
    const QDate someYear = dayMonthIn(kLeapYear, birthday);
    if (!someYear.isValid()) {
        return {};
    }
    for (int year = today.year(); year <= today.year() + kLongestWait; ++year) {
        const QDate date(year, someYear.month(), someYear.day());
        if (date.isValid() && date > today) {
            return date;
        }
    }
    return {};
}

ContactCheck checkContactForm(const QString& nameBox, const QString& birthdayBox) {
    ContactCheck check;
    check.name = storedName(nameBox);
    if (check.name.isEmpty()) {
        check.message = QStringLiteral("Informe o Nome do Contato!");
        check.icon = msg::Serious;
        check.focus = QStringLiteral("txtDadosEndNome");
        check.name = nameBox;
        return check;
    }
    if (!birthdayBox.trimmed().isEmpty()) {
        check.birthday = storedBirthday(birthdayBox);
        if (check.birthday.isEmpty()) {
            check.message = QStringLiteral("Informe o Aniversário em DD/MM!");
            check.icon = msg::Information;
            check.focus = QStringLiteral("txtDadosEndAniversario");
        }
    }
    return check;
}

} // namespace orv::contacts
