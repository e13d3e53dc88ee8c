#pragma once

#include <QChar>
#include <QString>

namespace orv {

// Codes of the keys the filter lets through whatever the mode.
namespace keys {
inline constexpr int Backspace = 8;
inline constexpr int CtrlC = 3;
inline constexpr int CtrlV = 22;
inline constexpr int CtrlX = 24;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
} // namespace keys

// The filter every text box applies to a typed character: returns the code to
// type, or 0 to drop the key. Text mode drops the apostrophe and control codes;
// numeric mode lets only digits, "." and "-" through.
int filterKey(int code, bool numeric);

// The typing aid of the "HH:NN" boxes (separator ':') and of the "DD/MM" birthday
// box (separator '/'): digits only where a digit belongs, and the separator
// written after the second digit.
struct MaskResult {
    enum Kind { Accept, Drop, Replace };
    Kind kind = Accept;
    QString text; // the box's new text when kind is Replace
    int caret = 0;
};
MaskResult twoDigitMask(const QString& text, bool hasSelection, int code, QChar separator);

} // namespace orv
