#include "calculator/CalculatorKeys.h"

#include "session/KeyFilter.h"

namespace orv {

CalculatorAction calculatorKeyAction(QChar key) {
    switch (key.unicode()) {
    case u'+':
        return CalculatorAction::Add;
    case u'-':
        return CalculatorAction::Subtract;
    case u'*':
        return CalculatorAction::Multiply;
    case u'/':
        return CalculatorAction::Divide;
    case u'%':
        return CalculatorAction::Percent;
    case keys::Enter:
        return CalculatorAction::Equals;
    case keys::Backspace:
        return CalculatorAction::ClearEntry;
    case keys::Escape:
        return CalculatorAction::ClearAll;
    default:
        // Whatever the numeric key filter lets through goes into the box.
        return filterKey(key.unicode(), true) != 0 ? CalculatorAction::Insert
                                                   : CalculatorAction::Swallow;
    }
}

} // namespace orv
