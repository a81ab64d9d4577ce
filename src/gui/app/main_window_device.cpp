// The main window as the device watch and the image operations see it: waits, the no-device
// state and its message, identification, the busy protocol and messages by string identifier.
#include <QCoreApplication>
#include <QEventLoop>

#include "core/app/accepted_identifiers.h"
#include "core/app/discovery.h"
#include "gui/app/main_window.h"

namespace krvm {

QString MainWindow::text(const char* id) const {
    return QString::fromStdString(m_kept.text(id));
}

// Waits in a local event loop, so the window stays responsive and movable meanwhile.
void MainWindow::wait_with_events(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void MainWindow::device_lost(const std::vector<std::string>& permissionDenied) {
    m_noDevice = false;
    RefreshErrorAP();
    busyOn();
    m_devTimer.start();
    QString message = text("Str100") + QStringLiteral("\n\n") + text("Str101");
    for (const std::string& path : permissionDenied) {
        message += QStringLiteral("\n\n") + QString::fromStdString(permission_hint(path));
    }
    m_messages->show(message, m_applicationTitle);
}

// Identification after opening: served controller, accepted identifier bytes, then the image.
void MainWindow::ReadDevInfo() {
    if (m_closing) return;
    Identification identification = identify_mouse(m_mouse.channel(), accepted_identifier_pairs());
    if (identification.identifier) m_identifierReadBack = identification.identifier;
    switch (identification.outcome) {
        case IdentifyOutcome::unanswered:
            return;
        case IdentifyOutcome::accepted:
            m_cycle.Btn_Read();
            return;
        case IdentifyOutcome::identifier_refused:
            // The connection stays open; the window keeps showing the default image.
            m_devTimer.stop();
            m_messages->show(text("Str107"), m_applicationTitle);
            m_devTimer.start();
            return;
        case IdentifyOutcome::not_served:
            m_mouse.connection().invalidate();
            m_messages->show(text("Str020"), m_applicationTitle);
            m_devTimer.start();
            return;
    }
}

void MainWindow::process_events() {
    QCoreApplication::processEvents();
}

void MainWindow::show_message(std::string_view id) {
    m_messages->show(text(std::string(id).c_str()), m_applicationTitle);
}

void MainWindow::show_error(std::string_view text) {
    m_messages->show(QString::fromUtf8(text.data(), static_cast<int>(text.size())),
                     m_applicationTitle);
}

// Page 1 with the Office Mode button selected, whichever page was current before.
void MainWindow::image_read_completed() {
    m_noDevice = false;
    Btn_Main_0Click();
}

}  // namespace krvm
