#pragma once

class QLineEdit;
class QPlainTextEdit;

namespace orv {

// The length limit of a text box (what the box's column holds). A full box
// refuses: typing or pasting never pushes text out at the box's end, the caret
// stays where the person typed, and of a pasted text only what fits is kept,
// cut between two whole characters (an emoji fits whole or not at all).
// Setting the limit again changes it.
void limitLength(QLineEdit* box, int limit);
void limitLength(QPlainTextEdit* box, int limit);

// The limit set on a one-line box; 0 when it has none.
int lengthLimit(const QLineEdit* box);

} // namespace orv
