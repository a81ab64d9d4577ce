#include "gui/ui/skin_button.h"

#include <QMouseEvent>

namespace krvm::gui {

SkinButton::SkinButton(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void SkinButton::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit entered();
}

void SkinButton::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    m_pressed = false;
    emit left();
}

void SkinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_pressed = true;
    event->accept();
}

// A click counts when the button is released over the label it was pressed on.
void SkinButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace krvm::gui
