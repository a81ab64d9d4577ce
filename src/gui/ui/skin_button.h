// The caption label of a skinned button: transparent, lying over its state image, it reports
// the pointer entering and leaving and a click (press and release on the label), so the window
// can swap the images and run the button's handler.
#pragma once

#include <QLabel>

namespace krvm::gui {

class SkinButton : public QLabel {
    Q_OBJECT

  public:
    SkinButton(const QString& name, QWidget* parent);

  signals:
    void entered();
    void left();
    void clicked();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool m_pressed = false;
};

}  // namespace krvm::gui
