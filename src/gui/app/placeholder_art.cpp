#include "gui/app/placeholder_art.h"

#include <QPainter>
#include <QPainterPath>

namespace krvm::placeholder {

namespace {

constexpr QSize kBackgroundSize{1030, 662};
const QColor kMaroon(128, 0, 0);
const QColor kAccent(0, 200, 255);

}  // namespace

QPixmap background() {
    QPixmap pixmap(kBackgroundSize);
    pixmap.fill(kMaroon);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(kBackgroundSize)), 18, 18);
    QLinearGradient shade(0, 0, 0, kBackgroundSize.height());
    shade.setColorAt(0, QColor(32, 36, 44));
    shade.setColorAt(1, QColor(14, 16, 20));
    painter.fillPath(body, shade);
    painter.setPen(QPen(kAccent, 2));
    painter.drawLine(40, 60, kBackgroundSize.width() - 40, 60);
    painter.setPen(QColor(200, 204, 212));
    painter.setFont(QFont(QStringLiteral("Sans"), 16, QFont::Bold));
    painter.drawText(QRect(40, 16, 600, 40), Qt::AlignVCenter,
                     QStringLiteral("KRVM640 Gaming Mouse"));
    return pixmap;
}

QIcon applicationIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(24, 28, 34));
    painter.setPen(QPen(kAccent, 4));
    painter.drawRoundedRect(QRectF(14, 4, 36, 56), 18, 18);
    painter.drawLine(32, 6, 32, 26);
    return QIcon(pixmap);
}

// Twelve frames of a ring of dots whose bright dot goes round.
QVector<QPixmap> loadingFrames() {
    constexpr int kFrames = 12;
    QVector<QPixmap> frames;
    for (int frame = 0; frame < kFrames; ++frame) {
        QPixmap pixmap(200, 192);
        pixmap.fill(Qt::black);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(100, 96);
        for (int dot = 0; dot < kFrames; ++dot) {
            int age = (frame - dot + kFrames) % kFrames;
            QColor colour = kAccent;
            colour.setAlpha(255 - age * 18);
            painter.setBrush(colour);
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPointF(0, -60), 11, 11);
            painter.rotate(360.0 / kFrames);
        }
        frames.push_back(pixmap);
    }
    return frames;
}

}  // namespace krvm::placeholder
