// The welcome picture of the start panel.
#pragma once

#include <QImage>

namespace art {

QImage welcomePicture(); // inicial, 400 x 220

} // namespace art
