#include "gui/app/loading_window.h"

#include <QPainter>

#include "gui/ui/loading_animation.h"
#include "gui/ui/shaped_window.h"

namespace krvm {

LoadingWindow::LoadingWindow(QWidget* mainWindow)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      m_mainWindow(mainWindow),
      m_picture(new gui::LoadingAnimation(this)) {
    setObjectName(QStringLiteral("FormLoadingUI"));
    setFixedSize(kWidth, kHeight);
    setWindowOpacity(0.92);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    m_picture->setObjectName(QStringLiteral("WaitGif"));
    m_picture->setGeometry((kWidth - kPictureWidth) / 2, (kHeight - kPictureHeight) / 2,
                           kPictureWidth, kPictureHeight);
    // Black is the see-through colour: only what some frame of the animation paints shows.
    QPixmap everyFrame(size());
    everyFrame.fill(Qt::transparent);
    QPainter painter(&everyFrame);
    for (int frame = 0; frame < m_picture->frameCount(); ++frame) {
        m_picture->showFrame(frame);
        painter.drawPixmap(m_picture->geometry(), m_picture->pixmap());
    }
    painter.end();
    m_picture->showFrame(0);
    gui::shapeToPicture(this, everyFrame, qRgb(0, 0, 0));
    centreOverMainWindow();
    move(x(), y() + kFirstDrop);
}

void LoadingWindow::centreOverMainWindow() {
    QRect main = m_mainWindow->frameGeometry();
    move(main.left() + (main.width() - width()) / 2, main.top() + (main.height() - height()) / 2);
}

void LoadingWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    raise();
}

}  // namespace krvm
