// Image-shaped windows: the maroon key colour of a skin picture is see-through, so the window
// takes the outline of its picture. A window mask gives that shape on every X11 desktop, with
// or without a compositor.
#pragma once

#include <QColor>

class QPixmap;
class QWidget;

namespace krvm::gui {

// Maroon pixels of the skins are the transparent parts.
inline constexpr QRgb kKeyColour = qRgb(128, 0, 0);

// Masks `window` to the pixels of `picture` that are not `keyColour`; a null picture leaves
// the window unmasked.
void shapeToPicture(QWidget* window, const QPixmap& picture, QRgb keyColour = kKeyColour);

}  // namespace krvm::gui
