#include "gui/ui/shaped_window.h"

#include <QBitmap>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace krvm::gui {

namespace {

// Pixels drawn at least half opaque count as part of the window.
constexpr int kOpaqueAlpha = 128;

}  // namespace

// A pixel shows when it is painted (alpha) and is not the key colour; the skins use both ways
// of leaving a part out.
void shapeToPicture(QWidget* window, const QPixmap& picture, QRgb keyColour) {
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) {
        window->clearMask();
        return;
    }
    QImage shape(image.size(), QImage::Format_MonoLSB);
    shape.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});  // 1 = black = shown
    shape.fill(0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) >= kOpaqueAlpha && (pixel | 0xFF000000u) != keyColour) {
                shape.setPixel(x, y, 1);
            }
        }
    }
    window->setMask(QBitmap::fromImage(shape));
}

}  // namespace krvm::gui
