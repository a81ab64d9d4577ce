#include "gui/app/message_box.h"

#include <QMessageBox>

namespace krvm {

void MessageBoxPresenter::show(const QString& text, const QString& caption) {
    exec(text, caption, m_font);
}

void MessageBoxPresenter::showPlain(const QString& text, const QString& caption) {
    exec(text, caption, std::nullopt);
}

void MessageBoxPresenter::exec(const QString& text, const QString& caption,
                               const std::optional<QFont>& font) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, m_parent);
    if (font) {
        // The family only: the box keeps the desktop's size for its text.
        QFont own = box.font();
        own.setFamily(font->family());
        box.setFont(own);
    }
    box.exec();
}

}  // namespace krvm
