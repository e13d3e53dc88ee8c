#pragma once

#include <QString>

namespace orv::exchange {

// A text from another program without control characters (tabs become
// blanks); line breaks stay (as "\n") when asked for, else they become blanks.
QString withoutControls(const QString& raw, bool keepLineBreaks);

// Cuts the text to the box's length at a character boundary; true when it cut.
bool fitToBox(QString& text, int limit);

} // namespace orv::exchange
