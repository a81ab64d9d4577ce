// The small window that shows a transfer is running: borderless, always on top, an animated
// picture on black (black is see-through), centred over the main window each time it is shown.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QVector>
#include <QWidget>

namespace krvm {

class LoadingWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 206;
    static constexpr int kHeight = 196;
    static constexpr int kPictureWidth = 200;
    static constexpr int kPictureHeight = 192;
    // The first placement sits this much lower than centred.
    static constexpr int kFirstDrop = 40;

    explicit LoadingWindow(QWidget* mainWindow);

    // Centres the window over the main window (halves rounded toward zero).
    void centreOverMainWindow();

    // The animation's frames, shown in turn while the window is visible.
    void setFrames(QVector<QPixmap> frames, int frameIntervalMs);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void nextFrame();

    QWidget* m_mainWindow;
    QLabel m_picture;
    QVector<QPixmap> m_frames;
    int m_frame = 0;
    QTimer m_animation;
};

}  // namespace krvm
