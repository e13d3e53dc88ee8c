#pragma once

#include <QPixmap>
#include <QString>

namespace orv {

// The pictures of the main window's image controls, by control name
// ("imgAlarme", "imgCompartilhado", ...), as grids and windows show them.
QPixmap picture(const QString& controlName);

// The Portuguese word a screen reader says for a status picture of the grids
// ("Alarme", "Executado", "Bloqueado", ...); empty for other pictures.
QString pictureWord(const QString& controlName);

} // namespace orv
