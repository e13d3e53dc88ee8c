#include "contacts/ContactForm.h"

#include "mainwindow/Messages.h"

#include <QRegularExpression>

namespace orv::contacts {
namespace {

// The year a typed day and month are checked against: not a leap year.
constexpr int kCheckYear = 1905;

} // namespace

QString storedName(const QString& typed) {
    QString name = typed.trimmed();
    if (!name.isEmpty()) {
        name[0] = name[0].toUpper();
    }
    return name;
}

QString storedBirthday(const QString& typed) {
    static const QRegularExpression dayMonth(QStringLiteral("^(\\d{1,2})/(\\d{1,2})$"));
    const auto m = dayMonth.match(typed.trimmed());
    if (!m.hasMatch()) {
        return {};
    }
    const QDate d(kCheckYear, m.captured(2).toInt(), m.captured(1).toInt());
    return d.isValid() ? d.toString(QStringLiteral("dd/MM")) : QString();
}

QDate nextBirthday(const QString& birthday, const QDate& today) {
    const QString text = storedBirthday(birthday);
    if (text.isEmpty()) {
        return {};
    }
    const int day = text.left(2).toInt();
    const int month = text.mid(3, 2).toInt();
    const QDate thisYear(today.year(), month, day);
    return thisYear > today ? thisYear : QDate(today.year() + 1, month, day);
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
