#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace orv::exchange {

// One property of a vCard or iCalendar file, unfolded: "item1.TEL;TYPE=CELL:..."
// gives the group "item1", the name "TEL", the parameter TYPE with the value
// "CELL" and the raw value bytes. Names are upper-cased; a bare parameter of the
// older vCard form ("TEL;CELL") is kept with an empty name.
struct ContentLine {
    struct Param {
        QString name;
        QStringList values;
    };
    QString group;
    QString name;
    QList<Param> params;
    QByteArray value;
    int line = 0; // where it starts in the file, 1-based

    // The values of a parameter (upper-cased), bare ones included under "".
    QStringList param(const QString& name) const;
    // Whether a TYPE value (or a bare parameter) is the given word, any case.
    bool hasType(const QString& type) const;
};

// The properties of a file in order, or the line at which it is damaged.
struct ContentLines {
    QList<ContentLine> lines;
    int damagedLine = 0; // 1-based; 0 when every line was read
};

// Splits the bytes into properties. Lines end with CRLF or LF; a line that
// starts with a blank or a tab continues the one before; a quoted-printable
// value ending in "=" goes on in the next line; the data of an older vCard's
// BASE64 value may run on, without a blank, up to an empty line. Unfolding
// works on the bytes, before any value is decoded. A line without a colon, or
// with a NUL byte, is damage.
ContentLines readContentLines(const QByteArray& bytes);

} // namespace orv::exchange
