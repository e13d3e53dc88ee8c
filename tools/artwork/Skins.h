// The skins of the two shaped windows: the logon card and the main window.
#pragma once

#include <QImage>

namespace art {

QImage logonSkin(); // 420 x 300
QImage mainSkin();  // 760 x 540

} // namespace art
