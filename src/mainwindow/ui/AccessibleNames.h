#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace orv {

// The name screen readers (and tests driven from outside) find a control by:
// its label or caption without the access-key "&" and the colon.
QString accessibleText(const QString& caption);

// Binds a label to its box: the label's access key moves to the box, and the
// box takes the label's text as its name unless it already has one.
void labelFor(QLabel* label, QWidget* box);

// A button or check box named by its caption unless it already has a name.
void nameByCaption(QAbstractButton* button);

// Changes a button's caption and, with it, the name screen readers hear.
void setCaption(QAbstractButton* button, const QString& caption);

} // namespace orv
