#pragma once

#include <QImage>
#include <QRegion>

class QWidget;

namespace orv {

// The region of a skin picture: every pixel not of the colour of pixel (0, 0),
// gathered row by row in runs. An all-transparent or empty picture gives an
// empty region.
QRegion buildRegion(const QImage& picture);

// Gives a frameless window the size and outline of its skin picture.
void shapeWindow(QWidget* window, const QImage& picture);

// Pressing any mouse button on the widget moves its window with the mouse.
void dragWindowBy(QWidget* handle);

// Raises a window above the others once, without keeping it there.
void bringToFront(QWidget* window);
void setTopmost(QWidget* window, bool topmost);

} // namespace orv

namespace orv {
// Places a window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);

// The visible top-level window of that name, or null.
QWidget* visibleWindow(const QString& objectName);
} // namespace orv
