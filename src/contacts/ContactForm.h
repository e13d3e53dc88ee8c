#pragma once

#include <QDate>
#include <QString>

namespace orv::contacts {

// The name as it is stored: without surrounding blanks, first character upper-cased.
QString storedName(const QString& typed);

// A birthday box read as day and month ("15/03", "1/3") checked against the
// year 1905, which has no 29 February; the stored form "DD/MM", or an empty
// text when it is no such date.
QString storedBirthday(const QString& typed);

// The next day the birthday ("DD/MM") falls on after today: this year's date,
// or next year's when this year's is today or already past. A 29/02 (which
// the form refuses, but older data may hold) waits for the next leap year.
// Invalid when the text is no day of any year.
QDate nextBirthday(const QString& birthday, const QDate& today);

// The checks of the detail form before a save, in the order the form makes them.
struct ContactCheck {
    QString message;  // empty: the contact can be saved
    int icon = 0;     // message box icon
    QString focus;    // object name of the box that takes the focus
    QString name;     // the name box's text once the name passed (storedName)
    QString birthday; // the birthday as stored, empty for none
    bool ok() const { return message.isEmpty(); }
};
ContactCheck checkContactForm(const QString& nameBox, const QString& birthdayBox);

} // namespace orv::contacts
