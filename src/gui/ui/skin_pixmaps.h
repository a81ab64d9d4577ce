// Skin images as pixmaps: the embedded PNG bytes decoded once and kept for the run, and the one
// way an image control shows a skin image.
#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

namespace krvm::gui {

// The skin image `name` (any case); a null pixmap when the program carries no such image.
QPixmap skinPixmap(const QString& name);

// Shows `image` on the QLabel called `control` under `root` and sizes the label to the image,
// as an image control does. Returns false when no such label exists yet.
bool showSkin(QWidget* root, const QString& control, const QString& image);

}  // namespace krvm::gui
