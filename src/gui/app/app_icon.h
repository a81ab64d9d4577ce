// The application icon (window, tray), drawn in the skin's colours.
#pragma once

#include <QIcon>

namespace krvm {

QIcon applicationIcon();

}  // namespace krvm
