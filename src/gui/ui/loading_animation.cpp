#include "gui/ui/loading_animation.h"

#include "core/ui/skin_images.h"
#include "gui/ui/skin_pixmaps.h"

namespace krvm::gui {

LoadingAnimation::LoadingAnimation(QWidget* parent) : QLabel(parent) {
    const QPixmap strip = skinPixmap(QStringLiteral("Loading"));
    for (int i = 0; i < kLoadingFrames && !strip.isNull(); ++i) {
        m_frames << strip.copy(i * kLoadingFrameWidth, 0, kLoadingFrameWidth, kLoadingFrameHeight);
    }
    setScaledContents(true);
    resize(kLoadingFrameWidth, kLoadingFrameHeight);
    m_timer.setInterval(kLoadingFrameMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { showFrame(m_current + 1); });
    showFrame(0);
}

void LoadingAnimation::showFrame(int index) {
    if (m_frames.isEmpty()) return;
    m_current = index % static_cast<int>(m_frames.size());
    setPixmap(m_frames[m_current]);
}

void LoadingAnimation::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    m_timer.start();
}

void LoadingAnimation::hideEvent(QHideEvent* event) {
    m_timer.stop();
    QLabel::hideEvent(event);
}

}  // namespace krvm::gui
