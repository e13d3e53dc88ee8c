// The 16 x 16 pictures of the grid rows, drawn on the pixel grid so that they
// stay sharp at their own size.
#pragma once

#include <QImage>

namespace art {

QImage attachedPicture(); // anexado: a paper clip, the continuation of a longer appointment
QImage lockedPicture();   // bloqueado: a padlock, another user's appointment
QImage birthdayPicture(); // aniversario: a cake with a candle
QImage alarmPicture();    // alarme: a bell, a pending appointment with alarm
QImage donePicture();     // executado: a green tick
QImage sharedPicture();   // compartilhado: two people side by side

} // namespace art
