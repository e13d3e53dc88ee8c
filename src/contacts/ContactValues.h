#pragma once

#include "session/TextLimit.h"

#include <QString>

namespace orv::contacts {

// The longest text each box of the detail form holds.
namespace limit {
inline constexpr int kName = 75;
inline constexpr int kCompany = 100;
inline constexpr int kAddress = 100;
inline constexpr int kCity = 30;
inline constexpr int kState = 2;
inline constexpr int kPostalCode = kPostalCodeLength;
inline constexpr int kEmail = 100;
inline constexpr int kPhone = 15;
inline constexpr int kBirthday = 5;
inline constexpr int kNotes = 255;
} // namespace limit

// A value from another program brought to what a box would hold had it been
// typed; `lossy` tells that something beyond separators had to go.
struct BoxValue {
    QString text;
    bool lossy = false;
};

// What the phone boxes hold: digits, ".", "-", "(" and ")". A "tel:" prefix and
// the Brazilian country code +55 go; another country's "+" becomes "00"; blanks
// between digits become "-". Letters and other signs go, and count as lost.
BoxValue phoneAsTyped(const QString& raw);

// What the CEP box holds: a Brazilian CEP as its eight digits; anything else
// keeps its digits, "." and "-".
BoxValue postalCodeAsTyped(const QString& raw);

// A Brazilian state's name as its two letters ("São Paulo" -> "SP"); other
// texts as they are.
QString stateAsTyped(const QString& raw);

} // namespace orv::contacts
