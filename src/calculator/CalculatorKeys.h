#pragma once

#include <QChar>

namespace orv {

// What a character typed into the calculator's display does. Keys that carry
// no character (arrows, Delete) are the display box's own business.
enum class CalculatorAction {
    Insert,  // a digit, the point or a clipboard key: the display box takes it
    Swallow, // anything else: dropped
    Add,
    Subtract,
    Multiply,
    Divide,
    Equals,
    Percent,
    ClearAll,
    ClearEntry,
};

// The calculator keyboard: "+", "-", "*", "/", Enter, "%", Escape (C) and
// Backspace (CE) run their key; the numeric key filter decides about the rest.
// "-" is always the subtract key, so a negative number cannot be typed.
CalculatorAction calculatorKeyAction(QChar key);

} // namespace orv
