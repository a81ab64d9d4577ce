// Pictures the window uses until the skin images exist: a plain dark background with rounded
// (maroon, see-through) corners, the application icon and the loading animation.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QVector>

namespace krvm::placeholder {

QPixmap background();
QIcon applicationIcon();
QVector<QPixmap> loadingFrames();

}  // namespace krvm::placeholder
