#pragma once

#include "mainwindow/GridColumns.h"
#include "mainwindow/ui/GridModel.h"
#include "session/ui/KeyMode.h"

#include <QColor>
#include <QDate>
#include <QVector>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRect;
class QWidget;

namespace orv {

class Grid;

// Small builders for the controls of the list panels, placed in twips as the
// panels are drawn, each named by its control name (objectName).

QColor toColour(const Rgb& rgb);

// Lays out the grid's columns (bold header texts, widths, alignments).
void layOutColumns(Grid& grid, const QVector<GridColumn>& columns);
// A data row with these texts in columns 0, 1, ..., each cell aligned as its
// column's data cells are.
GridRow alignedRow(const QVector<GridColumn>& columns, std::initializer_list<QString> texts);
// The same for a row that may be done (the imgExecutado picture centred in
// column 1) and carries a colour on its cells from column `first` on, as their
// text or as their background.
enum class RowColour { Text, Background };
GridRow markedRow(const QVector<GridColumn>& columns, std::initializer_list<QString> texts,
                  bool done, int first, const Rgb& colour, RowColour paint);

QLabel* panelLabel(QWidget* parent, const QString& text, const QRect& twipsRect,
                   QWidget* buddy = nullptr);
QLineEdit* panelLineBox(QWidget* parent, const QString& name, const QRect& twipsRect, int maxLength,
                        Qt::Alignment alignment, KeyMode mode);
// A multi-line box with a vertical scroll bar; Tab moves on. maxLength 0 = no limit.
QPlainTextEdit* panelTextArea(QWidget* parent, const QString& name, const QRect& twipsRect,
                              int maxLength);
QPushButton* panelButton(QWidget* parent, const QString& name, const QString& text,
                         const QRect& twipsRect);
// A picture button: the image of :/images/<picture>.png, or the fallback text
// while there is no such image; the tool tip names it for the keyboard user too.
QPushButton* pictureButton(QWidget* parent, const QString& name, const QString& picture,
                           const QString& fallback, const QString& toolTip, const QRect& twipsRect);
// The borderless box over an empty grid ("Sem Movimento").
QLineEdit* emptyGridNotice(QWidget* parent, const QString& name, const QString& text,
                           const QRect& twipsRect);
// A month calendar that stays hidden until asked for and hides itself when a
// day is clicked or chosen with Enter (Escape hides it without a choice).
QCalendarWidget* panelCalendar(QWidget* parent, const QString& name);
void showCalendarAt(QCalendarWidget* calendar, const QDate& day, const QPoint& topLeftPx);

// Presses the button as a click would, when the person could click it now.
bool pressShown(QPushButton* button);

// Hides an editor or detail frame and empties every text box in it, so that
// nothing typed or loaded for one user is left in it for the next.
void closeAndEmpty(QWidget* frame);

} // namespace orv
