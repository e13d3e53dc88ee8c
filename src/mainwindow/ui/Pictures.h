#pragma once

#include <QPixmap>
#include <QString>

namespace orv {

// The pictures of the main window's image controls, by control name
// ("imgAlarme", "imgCompartilhado", ...), as grids and windows show them.
QPixmap picture(const QString& controlName);

} // namespace orv
