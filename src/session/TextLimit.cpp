#include "session/TextLimit.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace orv {

QString cutAtCharacterBoundary(const QString& text, qsizetype maxUnits) {
    if (text.size() <= maxUnits) {
        return text;
    }
    if (maxUnits <= 0) {
        return {};
    }
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.setPosition(maxUnits);
    if (!characters.isAtBoundary()) {
        characters.toPreviousBoundary();
    }
    return text.left(std::max<qsizetype>(0, characters.position()));
}

TextEdit editBetween(const QString& before, const QString& after, qsizetype caret) {
    caret = std::clamp<qsizetype>(caret, 0, after.size());
    // What follows the caret is what followed the edit before it.
    const qsizetype tail = std::min(after.size() - caret, before.size());
    qsizetype head = 0;
    const qsizetype headLimit = std::min(caret, before.size() - tail);
    while (head < headLimit && before.at(head) == after.at(head)) {
        ++head;
    }
    return {head, before.mid(head, before.size() - tail - head), after.mid(head, caret - head)};
}

} // namespace orv
