#pragma once

#include "calculator/CalculatorKeys.h"

#include <QString>
#include <optional>

namespace orv {

// The locale's decimal separator: the second character of 0.5 written as text.
QChar localeDecimalSeparator();

// The pocket calculator of the main window, an adding machine: each operation
// key applies its own operation at once to a running total, and equals repeats
// the last operation. It owns the display text; the widget shows display() after
// every key and hands back what the person typed into the box with setDisplay().
class Calculator {
public:
    enum class Operation { None, Add, Subtract, Multiply, Divide };
    enum class EntryState {
        Typing,      // a number is being typed
        NewNumber,   // after an operation key: the next digit starts a new number
        AfterEquals, // after equals: a following equals reuses the same entry
    };

    static QString errorText() { return QStringLiteral(". . . Erro . . ."); }

    explicit Calculator(QChar decimalSeparator = localeDecimalSeparator());

    QChar decimalSeparator() const { return separator_; }

    // A character typed on the keyboard. Runs the key's action and returns true
    // when the display box should insert the character at its caret itself (and
    // then report its new text with setDisplay()).
    bool pressKey(QChar key);
    // A digit or point key on the keypad: like the keyboard, but an accepted
    // character is appended to the end of the display.
    void typeCharacter(QChar key);
    // Runs one action of the keyboard map (Insert and Swallow do nothing here).
    void run(CalculatorAction action);

    void add() { operationKey(Operation::Add); }
    void subtract() { operationKey(Operation::Subtract); }
    void multiply() { operationKey(Operation::Multiply); }
    void divide() { operationKey(Operation::Divide); }
    void equals();
    void percent();
    void clearAll();
    void clearEntry();
    void memoryClear();
    void memoryRecall();
    void memoryAdd() { memoryKey(+1); }
    void memorySubtract() { memoryKey(-1); }
    // Ending a session forgets everything, the memory included.
    void reset();

    void setDisplay(const QString& text);
    const QString& display() const { return display_; }
    // The display read as a number: every "." taken as the decimal separator;
    // nothing when the text is not a number.
    std::optional<double> displayValue() const;
    // "###########0.00": at least one integer digit, two decimals, the decimal
    // separator, no thousands separators.
    QString format(double value) const;

    bool memoryVisible() const { return memory_ != 0.0; }
    double memory() const { return memory_; }
    double total() const { return total_; }
    double entry() const { return entry_; }
    Operation operation() const { return operation_; }
    EntryState entryState() const { return entryState_; }

private:
    // A digit, the point or the locale's decimal separator.
    bool startsNumber(QChar key) const;
    void operationKey(Operation op);
    void memoryKey(int sign);
    // total op value; nothing for a division by zero or a negative number, or
    // when the result is beyond what the display shows exactly (more than 15
    // significant digits with the two decimals).
    static std::optional<double> apply(Operation op, double total, double value);
    void showTotal(double total);
    void showError();
    void showResult(const QString& text);

    QChar separator_;
    double entry_ = 0.0;
    double total_ = 0.0;
    Operation operation_ = Operation::None;
    EntryState entryState_ = EntryState::Typing;
    double memory_ = 0.0;
    QString display_;
    // The display holds a result (percent, memory, error) rather than typed
    // digits, so the next digit or point starts a new number.
    bool showsResult_ = false;
};

} // namespace orv
