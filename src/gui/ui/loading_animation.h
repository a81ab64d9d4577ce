// The loading window's animated picture: the frames of the "Loading" strip shown in turn on a
// label, stretched to the label's size.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QVector>

namespace krvm::gui {

class LoadingAnimation : public QLabel {
    Q_OBJECT

  public:
    explicit LoadingAnimation(QWidget* parent = nullptr);

    int frameCount() const { return static_cast<int>(m_frames.size()); }
    int currentFrame() const { return m_current; }
    void showFrame(int index);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QVector<QPixmap> m_frames;
    QTimer m_timer;
    int m_current = 0;
};

}  // namespace krvm::gui
