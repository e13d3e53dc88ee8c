#include "exchange/ContentLines.h"

#include <cctype>

namespace orv::exchange {
namespace {

// Splits at the separator outside double quotes.
QList<QByteArray> splitOutsideQuotes(const QByteArray& text, char separator) {
    QList<QByteArray> parts;
    bool quoted = false;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == separator && !quoted) {
            parts << text.mid(from, i - from);
            from = i + 1;
        }
    }
    parts << text.mid(from);
    return parts;
}

qsizetype colonOutsideQuotes(const QByteArray& line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ':' && !quoted) {
            return i;
        }
    }
    return -1;
}

bool isName(const QByteArray& name) {
    if (name.isEmpty()) {
        return false;
    }
    for (const char c : name) {
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_')) {
            return false;
        }
    }
    return true;
}

QString unquoted(const QByteArray& value) {
    QByteArray v = value.trimmed();
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') {
        v = v.mid(1, v.size() - 2);
    }
    return QString::fromUtf8(v).toUpper();
}

bool parseLine(const QByteArray& line, ContentLine& out) {
    const qsizetype colon = colonOutsideQuotes(line);
    if (colon < 0 || line.contains('\0')) {
        return false;
    }
    const QList<QByteArray> head = splitOutsideQuotes(line.left(colon), ';');
    QByteArray name = head.front().trimmed();
    const qsizetype dot = name.indexOf('.');
    if (dot >= 0) {
        out.group = QString::fromUtf8(name.left(dot));
        name = name.mid(dot + 1);
    }
    if (!isName(name)) {
        return false;
    }
    out.name = QString::fromLatin1(name).toUpper();
    for (qsizetype i = 1; i < head.size(); ++i) {
        const qsizetype eq = head[i].indexOf('=');
        ContentLine::Param p;
        QByteArray values = head[i];
        if (eq >= 0) {
            p.name = QString::fromUtf8(head[i].left(eq).trimmed()).toUpper();
            values = head[i].mid(eq + 1);
        }
        for (const QByteArray& v : splitOutsideQuotes(values, ',')) {
            p.values << unquoted(v);
        }
        out.params << p;
    }
    out.value = line.mid(colon + 1);
    return true;
}

// What the head of a line (before its colon) says about how its value goes on.
bool headSays(const QByteArray& line, const char* word) {
    const qsizetype colon = colonOutsideQuotes(line);
    return colon > 0 && line.left(colon).toUpper().contains(word);
}

} // namespace

QStringList ContentLine::param(const QString& wanted) const {
    QStringList values;
    for (const Param& p : params) {
        if (p.name == wanted) {
            values << p.values;
        }
    }
    return values;
}

bool ContentLine::hasType(const QString& type) const {
    const QString upper = type.toUpper();
    for (const Param& p : params) {
        if (p.name.isEmpty() || p.name == QLatin1String("TYPE")) {
            // A quoted list ("voice,home") is one value that still lists several types.
            for (const QString& value : p.values) {
                if (value.split(QLatin1Char(',')).contains(upper)) {
                    return true;
                }
            }
        }
    }
    return false;
}

ContentLines readContentLines(const QByteArray& bytes) {
    ContentLines result;
    QByteArray current;
    int currentStart = 0;
    bool quotedPrintable = false;
    bool base64 = false;
    const auto flush = [&] {
        if (current.isEmpty() || result.damagedLine != 0) {
            current.clear();
            return;
        }
        ContentLine line;
        if (parseLine(current, line)) {
            line.line = currentStart;
            result.lines << std::move(line);
        } else {
            result.damagedLine = currentStart;
        }
        current.clear();
    };
    int number = 0;
    qsizetype from = 0;
    while (from < bytes.size() && result.damagedLine == 0) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0) {
            end = bytes.size();
        }
        QByteArrayView physical(bytes.constData() + from, end - from);
        if (physical.endsWith('\r')) {
            physical.chop(1);
        }
        from = end + 1;
        ++number;
        if (!current.isEmpty() && !physical.isEmpty() &&
            (physical.front() == ' ' || physical.front() == '\t')) {
            current += physical.sliced(1);
        } else if (!current.isEmpty() && quotedPrintable && current.endsWith('=')) {
            current.chop(1);
            current += physical;
        } else if (!current.isEmpty() && base64 && !physical.isEmpty() && !physical.contains(':')) {
            current += physical;
        } else {
            flush();
            current = physical.toByteArray();
            currentStart = number;
            quotedPrintable = headSays(current, "QUOTED-PRINTABLE");
            base64 = headSays(current, "BASE64");
        }
    }
    flush();
    return result;
}

} // namespace orv::exchange
