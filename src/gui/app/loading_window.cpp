#include "gui/app/loading_window.h"

#include <QBitmap>
#include <QPainter>

namespace krvm {

LoadingWindow::LoadingWindow(QWidget* mainWindow)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      m_mainWindow(mainWindow),
      m_picture(this) {
    setObjectName(QStringLiteral("FormLoadingUI"));
    setFixedSize(kWidth, kHeight);
    setWindowOpacity(0.92);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    m_picture.setGeometry((kWidth - kPictureWidth) / 2, (kHeight - kPictureHeight) / 2,
                          kPictureWidth, kPictureHeight);
    m_picture.setScaledContents(true);
    connect(&m_animation, &QTimer::timeout, this, &LoadingWindow::nextFrame);
    centreOverMainWindow();
    move(x(), y() + kFirstDrop);
}

void LoadingWindow::centreOverMainWindow() {
    QRect main = m_mainWindow->frameGeometry();
    move(main.left() + (main.width() - width()) / 2, main.top() + (main.height() - height()) / 2);
}

void LoadingWindow::setFrames(QVector<QPixmap> frames, int frameIntervalMs) {
    m_frames = std::move(frames);
    m_frame = 0;
    m_animation.setInterval(frameIntervalMs);
    if (!m_frames.isEmpty()) {
        m_picture.setPixmap(m_frames.front());
        // Black is the see-through colour: only the picture's shape shows.
        QImage first = m_frames.front().scaled(m_picture.size()).toImage();
        QBitmap shape =
            QBitmap::fromImage(first.createMaskFromColor(qRgb(0, 0, 0), Qt::MaskInColor));
        QRegion region(shape);
        setMask(region.isEmpty() ? QRegion(rect()) : region.translated(m_picture.pos()));
    }
}

void LoadingWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    raise();
    if (m_frames.size() > 1) m_animation.start();
}

void LoadingWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_animation.stop();
}

void LoadingWindow::nextFrame() {
    if (m_frames.isEmpty()) return;
    m_frame = (m_frame + 1) % m_frames.size();
    m_picture.setPixmap(m_frames[m_frame]);
}

}  // namespace krvm
