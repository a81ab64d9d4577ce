#include "gui/app/message_box.h"

#include <QMessageBox>

namespace krvm {

void MessageBoxPresenter::show(const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, m_parent);
    box.exec();
}

}  // namespace krvm
