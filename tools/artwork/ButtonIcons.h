// The 24 x 24 small buttons of the windows: a light rounded tile with a glyph,
// so that they read on the petrol header as well as on the light panels.
#pragma once

#include <QImage>

namespace art {

QImage settingsButton();            // config: a gear
QImage logoutButton();              // logout: a door and an arrow leaving it
QImage calculatorButton();          // calculadora
QImage backupButton();              // backup: a disk with an arrow going in
QImage restoreButton();             // restore: a disk with an arrow coming out
QImage printerButton();             // impressora
QImage minimiseButton();            // minimizar: a bar at the foot of the tile
QImage closeButton();               // fechar: a coral tile with a cross
QImage calendarButton();            // calendario: the picture buttons that open a calendar
QImage emailButton();               // email: an envelope
QImage searchButton();              // pesquisar: a magnifying glass
QImage balanceFromPreviousButton(); // saldo_anterior: a coin and an arrow to the left
QImage balanceToNextButton();       // saldo_proximo: a coin and an arrow to the right

// The day arrows of the appointments panel: round, without the tile.
QImage previousDayArrow(); // dia_anterior
QImage nextDayArrow();     // dia_proximo

} // namespace art
