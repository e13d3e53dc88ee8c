#pragma once

class QWidget;

namespace orv {

// How a text box filters the keys typed into it.
enum class KeyMode {
    Text,         // the key filter in text mode
    UpperText,    // text mode, letters in capitals, pasted text too (the login box)
    Numeric,      // digits, "." and "-"
    Amount,       // numeric, and the locale's decimal comma typed as the "." it stands for
    Phone,        // "(" and ")" too, everything else numeric
    Date,         // "/" too, everything else numeric
    Time,         // the "HH:NN" typing aid
    DayMonth,     // the "DD/MM" typing aid
    MultilineText // Enter starts a new line, everything else text mode
};

// Installs the filter on a QLineEdit, QPlainTextEdit or QTextEdit; the filter
// lives as long as the box.
void applyKeyMode(QWidget* box, KeyMode mode);

} // namespace orv
