// The pictures of the message box, of the wait window and of the reminder window.
#pragma once

#include <QImage>

namespace art {

QImage questionIcon();    // pergunta, 32 x 32
QImage informationIcon(); // informacao, 32 x 32
QImage seriousIcon();     // grave, 32 x 32

QImage messageBackground();  // fundo_msgbox, the size of the message box
QImage waitBackground();     // fundo_aguarde, the size of the wait window
QImage reminderBackground(); // fundo_lembrete, the size of the reminder window

} // namespace art
