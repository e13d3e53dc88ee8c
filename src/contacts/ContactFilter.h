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
// holding a condition on the columns of Enderecos and the values bound to it,
// so whatever the user typed is only ever bound, never spliced into the SQL.
class ContactFilter {
public:
    ContactFilter() = default; // the whole address book

    // Index 0 ("0-9") takes every name whose first character, as stored, is not
    // A..Z (a lower-case initial included); 1..23 the names whose upper-cased
    // initial is "A".."W"; 24 "X" or "Y"; 25 "Z".
    static ContactFilter letter(int index);
    // Every non-blank box (trimmed) must match somewhere in its column (the phone
    // in any of the three phone columns); all boxes blank lists the whole book.
    static ContactFilter search(const ContactSearch& boxes);

    bool isEmpty() const { return condition_.isEmpty(); }
    // " and ..." to append to a Where clause on Enderecos; empty for the whole book.
    const QString& condition() const { return condition_; }
    // The values of the condition's placeholders, in order.
    const Params& params() const { return params_; }

    bool operator==(const ContactFilter& other) const = default;

private:
    ContactFilter(QString condition, Params params)
        : condition_(std::move(condition)), params_(std::move(params)) {}

    QString condition_;
    Params params_;
};

} // namespace orv::contacts
