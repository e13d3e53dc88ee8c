#pragma once

#include "db/SqlCipherFile.h"

#include <QString>

namespace orv::contacts {

// The letter bar of the address book: "0-9", "A" ... "W", "X/Y", "Z".
inline constexpr int kLetterCount = 26;
QString letterCaption(int index);

// The four boxes of the search frame, as typed.
struct ContactSearch {
    QString name;
    QString company;
    QString phone;
    QString email;
};

// Which contacts the address book lists: the whole book, the names under one
// letter button, or the contacts that match the search boxes. It is a value
// holding one or more conditions on the columns of Enderecos with the values
// bound to them (a contact is listed when it meets any one of them), so
// whatever the user typed is only ever bound, never spliced into the SQL.
class ContactFilter {
public:
    // " and ..." to append to a Where clause on Enderecos (empty: every row),
    // and the values of its placeholders, in order.
    struct Part {
        QString condition;
        Params params;
        bool operator==(const Part& other) const = default;
    };

    ContactFilter() = default; // the whole address book

    // Index 0 ("0-9") takes every name whose first character, as stored, is not
    // A..Z (a lower-case initial included); 1..23 the names whose upper-cased
    // initial is "A".."W"; 24 "X" or "Y"; 25 "Z". Each part is a range of names
    // on the (owner, name) indexes, read without going through the whole book.
    static ContactFilter letter(int index);
    // Every non-blank box (trimmed) must match somewhere in its column (the phone
    // in any of the three phone columns); all boxes blank lists the whole book.
    static ContactFilter search(const ContactSearch& boxes);

    bool isEmpty() const { return parts_.size() == 1 && parts_.front().condition.isEmpty(); }
    const QVector<Part>& parts() const { return parts_; }

    bool operator==(const ContactFilter& other) const = default;

private:
    explicit ContactFilter(QVector<Part> parts) : parts_(std::move(parts)) {}

    QVector<Part> parts_{Part{}};
};

// The first characters (code points) of the names that letter button `index`
// lists, as closed ranges: the letter, its lower case and the few characters
// whose upper case is spelled with it ("ß" is "SS", "ﬁ" is "FI", "ı" is "I").
struct InitialRange {
    char32_t first;
    char32_t last;
};
QVector<InitialRange> letterInitials(int index);

} // namespace orv::contacts
