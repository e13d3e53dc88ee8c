#pragma once

#include <QString>

class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace orv::contacts {

// A labelled one-line box placed in a form grid: the label at (row, col), the
// box right of it; the label's access key moves to the box.
QLineEdit* lineBox(QWidget* parent, QGridLayout* grid, int row, int col, const QString& label,
                   const QString& name, int maxLength, int columnSpan = 1);

// A labelled box of several lines that keeps to maxLength characters, pasted
// text included.
QPlainTextEdit* notesBox(QWidget* parent, QGridLayout* grid, int row, int col, const QString& label,
                         const QString& name, int maxLength, int columnSpan = 1);

QPushButton* button(QWidget* parent, const QString& caption, const QString& name);

} // namespace orv::contacts
