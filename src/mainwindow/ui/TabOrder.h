#pragma once

class QWidget;

namespace orv {

// Sets the Tab order of everything inside the widget as it stands on screen:
// row by row from the top, left to right in a row. A frame or group without a
// focus of its own is one place in its row, and Tab goes through all of it
// before going on, so a group's boxes stay together.
void orderTabsByScreen(QWidget* root);

} // namespace orv
