#include "gui/app/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace krvm {

// A mouse outline with its wheel slot, in the accent colour on the dark base.
QIcon applicationIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(24, 28, 34));
    painter.setPen(QPen(QColor(0, 200, 255), 4));
    painter.drawRoundedRect(QRectF(14, 4, 36, 56), 18, 18);
    painter.drawLine(32, 6, 32, 26);
    return QIcon(pixmap);
}

}  // namespace krvm
