// The dial of the analog clock (without hands) and the cap over the hands' centre.
#pragma once

#include <QImage>

namespace art {

QImage clockDial(int size); // relogio
QImage clockCap(int size);  // relogio_centro

} // namespace art
