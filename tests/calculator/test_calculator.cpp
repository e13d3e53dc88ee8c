#include "calculator/Calculator.h"
#include "support/TestSupport.h"

#include <QLocale>
#include <QStringList>
#include <functional>

using namespace orv;

namespace {

const QString Error = Calculator::errorText();

// Named keys of a sequence; anything else is typed character by character.
void keypadToken(Calculator& calc, const QString& token) {
    static const std::map<QString, std::function<void(Calculator&)>> keys = {
        {"+", &Calculator::add},           {"-", &Calculator::subtract},
        {"*", &Calculator::multiply},      {"/", &Calculator::divide},
        {"=", &Calculator::equals},        {"%", &Calculator::percent},
        {"C", &Calculator::clearAll},      {"CE", &Calculator::clearEntry},
        {"MC", &Calculator::memoryClear},  {"MR", &Calculator::memoryRecall},
        {"M+", &Calculator::memoryAdd},    {"M-", &Calculator::memorySubtract},
        {"<BS>", &Calculator::clearEntry}, {"<ESC>", &Calculator::clearAll},
        {"<ENTER>", &Calculator::equals},
    };
    if (auto key = keys.find(token); key != keys.end()) {
        key->second(calc);
        return;
    }
    for (QChar c : token) {
        calc.typeCharacter(c);
    }
}

// The keyboard as the display box forwards it: an accepted character is
// inserted at the caret, which stands at the end.
void keyboardToken(Calculator& calc, const QString& token) {
    static const std::map<QString, QChar> named = {
        {"<BS>", QChar(8)}, {"<ESC>", QChar(27)}, {"<ENTER>", QChar(13)},
        {"=", QChar(13)},   {"C", QChar(27)},     {"CE", QChar(8)},
    };
    if (token.startsWith(u'M')) {
        keypadToken(calc, token); // the memory keys have no keyboard key
        return;
    }
    if (auto key = named.find(token); key != named.end()) {
        calc.pressKey(key->second);
        return;
    }
    for (QChar c : token) {
        if (calc.pressKey(c)) {
            calc.setDisplay(calc.display() + c);
        }
    }
}

struct Case {
    const char* keys;
    QString display;
};

// Runs a sequence through the keypad and through the keyboard; both must end
// with the same display.
void expectSequence(const Case& c) {
    const QStringList tokens = QString::fromUtf8(c.keys).split(u' ', Qt::SkipEmptyParts);
    Calculator keypad;
    Calculator keyboard;
    for (const QString& token : tokens) {
        keypadToken(keypad, token);
        keyboardToken(keyboard, token);
    }
    EXPECT_EQ(keypad.display(), c.display) << "keypad: " << c.keys;
    EXPECT_EQ(keyboard.display(), c.display) << "keyboard: " << c.keys;
}

// Every sequence runs through the keypad and through the keyboard.
TEST(Calculator, KeySequences) {
    const Case cases[] = {
        // A running total, like an adding machine.
        {"5 + 3 =", "8,00"},
        {"5 + 3 = =", "11,00"},     // equals repeats the last operation
        {"5 + 3 - 2 =", "0,00"},    // minus subtracts 3 at once, equals then 2
        {"5 - 5 - 3 +", "3,00"},    // a total of 0 takes the next entry as the total
        {"5 - 5 =", "0,00"},        // equals has no such rule ...
        {"5 - 5 = 3 =", "-3,00"},   // ... so 0 - 3
        {"2 * 3 = 4 +", "10,00"},   // the total survives equals
        {"2 * 3 = + 4 =", "10,00"}, // an operation after equals goes on from the total
        {"2.5 * 2 =", "5,00"},      // "." is typed for the decimal separator
        {"2,5 * 2,2 =", "5,50"},    // and so is the separator itself
        {"5a' + 3 =", "8,00"},      // other characters are dropped
        {"9 / 4 =", "2,25"},
        {"7 + +", "7,00"},    // a second operation key in a row is ignored
        {"5 + .5 =", "5,50"}, // a point after an operation starts a new number
        {"1 / 3 =", "0,33"},
        {"5 =", "0,00"},        // equals without an operation keeps the total
        {"- 12 - 5 =", "7,00"}, // "-" never starts a negative number
        {"5 + 3 <ENTER>", "8,00"},
        // Percent works on the number of the last operation key.
        {"200 + 10 %", "220,00"},
        {"200 - 10 %", "180,00"},
        {"200 * 10 %", "20,00"},
        {"200 / 10 %", "2000,00"},
        {"200 / 0 %", Error},
        {"5 %", Error},           // no operation yet
        {"5 + 3 = C 5 %", Error}, // C forgets the operation
        {"200 + 10 % 7", "7"},    // a digit after a percent starts a new number
        // Division by zero or by a negative number shows the error.
        {"8 / 0 =", Error},
        {"8 / 0 /", Error},
        {"5 M- 8 / MR =", Error}, // the memory brings a negative number
        {"3 - 5 = / =", Error},   // -2,00 on display, divided by itself
        {"8 / 0 = + =", Error},   // the error is not a number: keys wait
        {"8 / 0 = 4", "4"},       // until digits replace it
        {"5 % 3", "3"},           // also when no number was being entered
        {"8 / 0 = CE", ""},
        {"8 / 0 / 2 =", "4,00"}, // a refused division keeps the total and the operation
        // Nothing shown beyond 15 significant digits with the two decimals.
        {"99999999999 * 99999999999 =", Error},
        {"10000000000000 +", Error},
        {"999999999999 + 1 =", "1000000000000,00"},
        {"5000000000000 M+ M+", Error},
        // The memory keys; the M shown or hidden and the end of a session are
        // checked in the window (CalculatorWindowTest.KeypadPercentAndMemory).
        {"0 M+", "0,00"},
        {"12 M+ 2 M- MR", "10,00"},     // a digit after a memory key starts a new number
        {"5 M+ C MR", "5,00"},          // C keeps the memory
        {"2 M+ 8 / 0 = M+ MR", "2,00"}, // the error text is not a number: nothing added
        {"2 M+ MC MR", "0,00"},
    };
    for (const Case& c : cases) {
        expectSequence(c);
    }
}

TEST(Calculator, ReadingAndFormattingTheDisplay) {
    // The clipboard keys are the display box's own.
    EXPECT_EQ(calculatorKeyAction(QChar(3)), CalculatorAction::Insert);  // copy
    EXPECT_EQ(calculatorKeyAction(QChar(22)), CalculatorAction::Insert); // paste
    Calculator calc;
    const std::pair<QString, std::optional<double>> readings[] = {
        {"1.5", 1.5},          {"1,5", 1.5},          {"-3,00", -3.0},
        {"12", 12.0},          {"", std::nullopt},    {"1.2.3", std::nullopt},
        {Error, std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt},
    };
    for (const auto& [text, value] : readings) {
        calc.setDisplay(text);
        EXPECT_EQ(calc.displayValue(), value) << text.toStdString();
    }
    EXPECT_EQ(calc.format(1234567.891), "1234567,89");
    EXPECT_EQ(calc.format(-0.001), "0,00");
    EXPECT_EQ(calc.format(-2.5), "-2,50");
    EXPECT_EQ(calc.format(0), "0,00");
}

TEST(Calculator, FollowsTheLocaleSeparator) {
    EXPECT_EQ(localeDecimalSeparator(), u',');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Calculator calc;
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    for (const char* key : {"5", "+", "3", "="}) {
        keypadToken(calc, key);
    }
    EXPECT_EQ(calc.display(), "8.00");
}

} // namespace
