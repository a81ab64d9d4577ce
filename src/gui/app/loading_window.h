// The small window that shows a transfer is running: borderless, always on top, an animated
// picture on black (black is see-through), centred over the main window each time it is shown.
#pragma once

#include <QWidget>

namespace krvm {

namespace gui {
class LoadingAnimation;
}

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

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* m_mainWindow;
    gui::LoadingAnimation* m_picture;
};

}  // namespace krvm
