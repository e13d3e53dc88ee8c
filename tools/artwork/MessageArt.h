// The pictures of the message box and of the wait window.
#pragma once

#include <QImage>

namespace art {

QImage questionIcon();    // pergunta, 32 x 32
QImage informationIcon(); // informacao, 32 x 32
QImage seriousIcon();     // grave, 32 x 32

QImage messageBackground(); // fundo_msgbox, the size of the message box
QImage waitBackground();    // fundo_aguarde, the size of the wait window

} // namespace art
