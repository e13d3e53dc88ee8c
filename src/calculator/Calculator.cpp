#include "calculator/Calculator.h"

#include <QLocale>
#include <cmath>

namespace orv {

QChar localeDecimalSeparator() {
    const QString half = QLocale().toString(0.5);
    return half.size() > 1 ? half.at(1) : QLatin1Char('.');
}

Calculator::Calculator(QChar decimalSeparator) : separator_(decimalSeparator) {}

namespace {

// The largest value the display shows without inventing digits: 15
// significant digits, two of them decimals.
constexpr double kLargestShown = 1e13;

// A result the display can show; nothing past what a double holds exactly.
std::optional<double> shown(double value) {
    if (!std::isfinite(value) || std::abs(value) >= kLargestShown) {
        return std::nullopt;
    }
    return value;
}

} // namespace

bool Calculator::startsNumber(QChar key) const {
    return (key >= u'0' && key <= u'9') || key == u'.' || key == separator_;
}

bool Calculator::pressKey(QChar key) {
    // A digit or point after a result starts a new number. (The point too:
    // appended to a shown result it would make the display unreadable.)
    if (startsNumber(key) && (entryState_ != EntryState::Typing || showsResult_)) {
        display_.clear();
        entryState_ = EntryState::Typing;
        showsResult_ = false;
    }
    // The locale's decimal separator is typed as itself, like the point.
    const CalculatorAction action =
        key == separator_ ? CalculatorAction::Insert : calculatorKeyAction(key);
    if (action == CalculatorAction::Insert) {
        return true;
    }
    run(action);
    return false;
}

void Calculator::typeCharacter(QChar key) {
    if (pressKey(key) && startsNumber(key)) {
        display_.append(key);
    }
}

void Calculator::run(CalculatorAction action) {
    switch (action) {
    case CalculatorAction::Add:
        add();
        break;
    case CalculatorAction::Subtract:
        subtract();
        break;
    case CalculatorAction::Multiply:
        multiply();
        break;
    case CalculatorAction::Divide:
        divide();
        break;
    case CalculatorAction::Equals:
        equals();
        break;
    case CalculatorAction::Percent:
        percent();
        break;
    case CalculatorAction::ClearAll:
        clearAll();
        break;
    case CalculatorAction::ClearEntry:
        clearEntry();
        break;
    case CalculatorAction::Insert:
    case CalculatorAction::Swallow:
        break;
    }
}

std::optional<double> Calculator::apply(Operation op, double total, double value) {
    double result = total;
    switch (op) {
    case Operation::Add:
        result = total + value;
        break;
    case Operation::Subtract:
        result = total - value;
        break;
    case Operation::Multiply:
        result = total * value;
        break;
    case Operation::Divide:
        if (value <= 0) {
            return std::nullopt;
        }
        result = total / value;
        break;
    case Operation::None:
        break;
    }
    return shown(result);
}

void Calculator::operationKey(Operation op) {
    if (entryState_ == EntryState::AfterEquals) {
        // Goes on from the total of equals with the next number typed.
        entryState_ = EntryState::NewNumber;
        operation_ = op;
        return;
    }
    const std::optional<double> value = displayValue();
    if (!value || entryState_ != EntryState::Typing || display_.isEmpty()) {
        return;
    }
    entry_ = *value;
    // A total of 0 counts as no total yet: the entry becomes the total.
    const std::optional<double> next = total_ == 0.0 ? shown(entry_) : apply(op, total_, entry_);
    if (!next) {
        showError();
        return;
    }
    operation_ = op;
    entryState_ = EntryState::NewNumber;
    showTotal(*next);
}

void Calculator::equals() {
    const std::optional<double> value = displayValue();
    if (!value) {
        return; // nothing to work on while the display holds no number
    }
    if (entryState_ != EntryState::AfterEquals) {
        entry_ = *value;
        entryState_ = EntryState::AfterEquals;
    }
    const std::optional<double> next = apply(operation_, total_, entry_);
    if (!next) {
        showError();
        return;
    }
    showTotal(*next);
}

void Calculator::percent() {
    if (operation_ == Operation::None) {
        showError();
        return;
    }
    const std::optional<double> p = displayValue();
    if (!p) {
        return;
    }
    // Always from the number taken by the last operation key.
    double result = entry_;
    switch (operation_) {
    case Operation::Add:
        result = entry_ + entry_ / 100 * *p;
        break;
    case Operation::Subtract:
        result = entry_ - entry_ / 100 * *p;
        break;
    case Operation::Multiply:
        result = entry_ / 100 * *p;
        break;
    case Operation::Divide:
        if (*p <= 0) {
            showError();
            return;
        }
        result = entry_ / *p * 100;
        break;
    case Operation::None:
        break;
    }
    if (!shown(result)) {
        showError();
        return;
    }
    total_ = result;
    showResult(format(result));
}

void Calculator::clearAll() {
    entry_ = 0.0;
    total_ = 0.0;
    operation_ = Operation::None;
    entryState_ = EntryState::Typing;
    display_.clear();
    showsResult_ = false;
}

void Calculator::clearEntry() {
    display_.clear();
    showsResult_ = false;
}

void Calculator::memoryClear() {
    memory_ = 0.0;
}

void Calculator::memoryRecall() {
    showResult(format(memory_));
}

void Calculator::memoryKey(int sign) {
    const std::optional<double> value = displayValue();
    if (!value) {
        return;
    }
    const double next = memory_ + sign * *value;
    if (!shown(next)) {
        showError();
        return;
    }
    memory_ = next;
    showResult(format(memory_));
}

void Calculator::reset() {
    clearAll();
    memory_ = 0.0;
}

void Calculator::setDisplay(const QString& text) {
    display_ = text;
    showsResult_ = false;
}

std::optional<double> Calculator::displayValue() const {
    QString text = display_;
    text.replace(QLatin1Char('.'), separator_);
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString Calculator::format(double value) const {
    QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00")) {
        text.remove(0, 1); // a value that rounds to zero shows no sign
    }
    return text.replace(QLatin1Char('.'), separator_);
}

void Calculator::showTotal(double total) {
    total_ = total;
    display_ = format(total);
    showsResult_ = false; // the entry state says what the next digit does
}

void Calculator::showError() {
    showResult(errorText());
}

void Calculator::showResult(const QString& text) {
    display_ = text;
    showsResult_ = true;
}

} // namespace orv
