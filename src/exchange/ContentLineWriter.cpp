#include "exchange/ContentLineWriter.h"

namespace orv::exchange {

QString escapedText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
        } else if (c != QLatin1Char('\r')) {
            out += c;
        }
    }
    return out;
}

void appendContentLine(QByteArray& file, const QString& name, const QString& value) {
    constexpr qsizetype kLineBytes = 75;
    const QByteArray line = (name + QLatin1Char(':') + value).toUtf8();
    qsizetype from = 0;
    qsizetype room = kLineBytes;
    while (line.size() - from > room) {
        qsizetype cut = from + room;
        while (cut > from && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut; // not inside a UTF-8 sequence
        }
        file += QByteArrayView(line).sliced(from, cut - from);
        file += "\r\n ";
        from = cut;
        room = kLineBytes - 1;
    }
    file += QByteArrayView(line).sliced(from);
    file += "\r\n";
}

} // namespace orv::exchange
