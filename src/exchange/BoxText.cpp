#include "exchange/BoxText.h"

#include "session/TextLimit.h"

namespace orv::exchange {

QString withoutControls(const QString& raw, bool keepLineBreaks) {
    QString text = raw;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            out += keepLineBreaks ? QLatin1Char('\n') : QLatin1Char(' ');
        } else if (c == QLatin1Char('\t')) {
            out += QLatin1Char(' ');
        } else if (c.category() != QChar::Other_Control) {
            out += c;
        }
    }
    return out;
}

bool fitToBox(QString& text, int limit) {
    if (text.size() <= limit) {
        return false;
    }
    text = cutAtCharacterBoundary(text, limit);
    return true;
}

} // namespace orv::exchange
