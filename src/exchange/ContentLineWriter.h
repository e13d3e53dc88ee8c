#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orv::exchange {

// A text value with "\", ",", ";" and line breaks escaped.
QString escapedText(const QString& text);

// Appends "name:value" to the file in UTF-8, folded into lines of at most 75
// bytes (never inside a character), each ended with CRLF.
void appendContentLine(QByteArray& file, const QString& name, const QString& value);

} // namespace orv::exchange
