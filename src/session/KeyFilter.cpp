#include "session/KeyFilter.h"

namespace orv {
namespace {

bool isDigit(int code) {
    return code >= '0' && code <= '9';
}

} // namespace

int filterKey(int code, bool numeric) {
    if (code == keys::Backspace || code == keys::CtrlC || code == keys::CtrlV) {
        return code;
    }
    if (numeric) {
        return isDigit(code) || code == '.' || code == '-' ? code : 0;
    }
    return code == '\'' || code < 30 ? 0 : code;
}

MaskResult twoDigitMask(const QString& text, bool hasSelection, int code, QChar separator) {
    if (code == keys::Backspace || hasSelection) {
        return {MaskResult::Accept, {}, 0};
    }
    switch (text.size()) {
    case 0:
    case 3:
    case 4:
        return {isDigit(code) ? MaskResult::Accept : MaskResult::Drop, {}, 0};
    case 1:
        if (!isDigit(code)) {
            return {MaskResult::Drop, {}, 0};
        }
        return {MaskResult::Replace, text + QChar(code) + separator, 3};
    default:
        return {MaskResult::Accept, {}, 0};
    }
}

} // namespace orv
