// The main window as the language buttons see it: the skin part and the language part of the
// window refresh, the language buttons' images and the application title.
#include "gui/app/main_window.h"
#include "gui/ui/language_applier.h"
#include "gui/ui/skin_loader.h"
#include "gui/ui/skin_pixmaps.h"

namespace krvm {

void MainWindow::show_language_button(int language, bool selected) {
    for (int copy = 1; copy <= kOverlayCount; ++copy) {
        gui::showSkin(this, QStringLiteral("Img_Lang%1_%2").arg(language).arg(copy),
                      selected ? QStringLiteral("SetS_03") : QStringLiteral("SetS_01"));
    }
}

// The language's background, page pictures and positions; the window takes the background's
// size and shape.
void MainWindow::refresh_skin(int language) {
    gui::SkinRefresh refresh = gui::SkinLoader::refreshSkin(this, language, m_page, m_options);
    m_keptLayout = refresh.kept;
    if (refresh.baseSize.isValid() && refresh.baseSize != m_baseSize) {
        m_baseSize = refresh.baseSize;
        sizeWindowAndPages();
    }
    stackOverlays();
    makeShaped();
}

void MainWindow::apply_language(int language) {
    gui::AppliedLanguage applied = gui::LanguageApplier::apply(this, language);
    m_kept = applied.kept;
    m_languageFont = applied.font;
    m_messages->setLanguageFont(m_languageFont);
}

void MainWindow::show_title() {
    if (!m_kept.title.empty()) m_applicationTitle = QString::fromStdString(m_kept.title);
    m_trayIcon.setToolTip(m_applicationTitle);
}

// `RefreshAPPage`: the page that was current before the switch shows again.
void MainWindow::refresh_page() {
    if (const std::optional<int> group = refreshed_group(m_page, m_noDevice)) showOnlyPage(*group);
    fitWindowToPage();
}

}  // namespace krvm
