// The page bar of the main window: its skinned buttons on the four ordinary page groups, what
// the pointer does to them (state images, rolling captions), the page buttons, the device and
// profile buttons, and the window buttons (exit, minimise, web).
#include <QComboBox>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QUrl>

#include "core/config/profile_file.h"
#include "core/ui/skin_images.h"
#include "gui/app/main_window.h"
#include "gui/ui/input_value_dialog.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/skin_pixmaps.h"

namespace krvm {

namespace {

// Every page-bar button, in the order its images and labels are stacked.
constexpr const char* kBarButtons[] = {
    "Confirm", "Apply", "Read",   "Confirm1", "Confirm2", "Confirm3", "Main",
    "Second",  "Adv",   "Breath", "Macro",    "Save",     "Load",     "Lang1",
    "Lang2",   "Lang3", "Web",    "Exit",     "Mini",     "Engineer",
};

// The windows buttons stay usable above the busy overlays: a locked window can still be closed
// and minimised.
constexpr const char* kAboveOverlays[] = {"Exit", "Mini"};

constexpr const char* kMenus[] = {"Pnl_Main",       "Pnl_MseKey", "Pnl_Special", "Pnl_CPIKey",
                                  "Pnl_Media",      "Pnl_WWW",    "Pnl_MyPC",    "Pnl_PCMacro",
                                  "Pnl_DevContent", "LB_Name",    "LB_Script"};

constexpr const char* kPageButtons[] = {"Main",  "Second",   "Adv",  "Breath",
                                        "Macro", "Engineer", "Save", "Load"};

QString copyName(const char* prefix, const char* button, int copy) {
    return QStringLiteral("%1%2_%3").arg(QLatin1String(prefix), QLatin1String(button)).arg(copy);
}

}  // namespace

// Each of the four ordinary page groups gets its own copy of the bar; the engineer page has a
// hidden engineer button of its own. The layout places and shows them.
void MainWindow::createPageBar() {
    auto addButton = [this](QWidget* page, const char* name, int copy) {
        auto* image = new QLabel(page);
        image->setObjectName(copyName("Img_", name, copy));
        auto* label = new gui::SkinButton(copyName("Btn_", name, copy), page);
        connect(label, &gui::SkinButton::entered, this, [this, label] { buttonEntered(label); });
        connect(label, &gui::SkinButton::left, this, [this, label] { buttonLeft(label); });
        connect(label, &gui::SkinButton::clicked, this, [this, label] { buttonClicked(label); });
        if (qstrcmp(name, "Engineer") == 0) {
            image->hide();
            label->hide();
        }
    };
    for (int copy = 1; copy <= kPageBarCopies; ++copy) {
        for (const char* name : kBarButtons) addButton(m_pages[copy - 1], name, copy);
    }
    addButton(m_pages[kPageCount - 1], "Engineer", kPageCount);
}

// The overlays lie above everything of their page except the window buttons. The layout raises
// each caption label over its image, so this runs again after every layout.
void MainWindow::stackOverlays() {
    for (QWidget* overlay : m_overlays) overlay->raise();
    for (int copy = 1; copy <= kPageBarCopies; ++copy) {
        for (const char* name : kAboveOverlays) {
            for (const char* prefix : {"Img_", "Btn_"}) {
                if (auto* w = findChild<QWidget*>(copyName(prefix, name, copy))) w->raise();
            }
        }
    }
}

bool MainWindow::mouseConnected() const {
    return m_mouse.connection().valid();
}

void MainWindow::showFindingDevice() {
    m_messages->showPlain(text("Str020"), m_applicationTitle);
}

void MainWindow::HideAllMenu() {
    for (const char* name : kMenus) {
        if (auto* menu = findChild<QWidget*>(QLatin1String(name))) menu->hide();
    }
}

void MainWindow::ButtonTypeB_1IconInit() {
    m_noDevice = false;
    for (const char* name : kPageButtons) showImages(all_copies(name, "SetS_01"));
}

void MainWindow::showImages(const std::vector<ImageChange>& changes) {
    for (const ImageChange& change : changes) {
        gui::showSkin(this, QString::fromStdString(change.control),
                      QString::fromStdString(change.image));
    }
}

void MainWindow::pageButton(PageButton button) {
    switch (page_gate(mouseConnected(), m_noDevice)) {
        case PageGate::finding_device:
            showFindingDevice();
            return;
        case PageGate::inert:
            return;
        case PageGate::go:
            break;
    }
    HideAllMenu();
    ButtonTypeB_1IconInit();
    const PageShow show = page_show(button, m_options.gd_enable);
    m_page = show.page;
    showPageControls(show);
    showOnlyPage(show.group);
    fitWindowToPage();
    showImages(all_copies(show.own_button, "SetS_03"));
    gui::showSkin(this, QString::fromUtf8(show.picture_control.data(), show.picture_control.size()),
                  QString::fromStdString(language_image(m_language, show.picture_part)));
}

// The key page's mode selector, menu heights and third mode-switch option, for the pages that
// reset them (the controls belong to the key page and are skipped until it exists).
void MainWindow::showPageControls(const PageShow& show) {
    if (show.key_mode) {
        if (auto* mode = findChild<QComboBox*>(QStringLiteral("cb_KeyMode"))) {
            mode->setCurrentIndex(*show.key_mode);
        }
    }
    if (show.menu_height) {
        for (const char* name : {"Pnl_Main", "Pnl_Special"}) {
            if (auto* panel = findChild<QWidget*>(QLatin1String(name))) {
                panel->resize(panel->width(), *show.menu_height);
            }
        }
    }
    if (show.third_combo) {
        for (const char* name : {"Img_ComboKey3", "IB_ComboKey3"}) {
            if (auto* w = findChild<QWidget*>(QLatin1String(name)))
                w->setVisible(*show.third_combo);
        }
    }
}

// --- The pointer over the skinned buttons ---

HoverContext MainWindow::hoverContext() const {
    return HoverContext{m_page, m_language, m_noDevice, mouseConnected()};
}

void MainWindow::buttonEntered(gui::SkinButton* button) {
    const std::string name = button->objectName().toStdString();
    showImages(on_enter(name, hoverContext()));
    if (!keeps_hover_caption(button_family(name))) return;
    m_hovered = button;
    m_rolling.start(button->text().toStdU32String());
    if (m_options.tr_enable && button->isEnabled()) m_labelRun.start();
}

void MainWindow::buttonLeft(gui::SkinButton* button) {
    const std::string name = button->objectName().toStdString();
    showImages(on_leave(name, hoverContext()));
    if (!keeps_hover_caption(button_family(name)) || m_hovered != button) return;
    m_labelRun.stop();
    button->setText(QString::fromStdU32String(m_rolling.saved()));
    m_hovered.clear();
}

void MainWindow::LabelRunTimer() {
    if (m_hovered) m_hovered->setText(QString::fromStdU32String(m_rolling.tick()));
}

// After a language switch the hovered button rolls its new caption.
void MainWindow::reset_rolling_caption(int) {
    if (m_hovered) m_rolling.start(m_hovered->text().toStdU32String());
}

void MainWindow::buttonClicked(gui::SkinButton* button) {
    const std::string label = button->objectName().toStdString();
    const std::string_view name = button_base(label);
    using Handler = void (MainWindow::*)();
    static const std::pair<std::string_view, Handler> kHandlers[] = {
        {"Main", &MainWindow::Btn_Main_0Click},
        {"Second", &MainWindow::Btn_Second_0Click},
        {"Adv", &MainWindow::Btn_Adv_0Click},
        {"Breath", &MainWindow::Btn_Breath_0Click},
        {"Macro", &MainWindow::Btn_Macro_0Click},
        {"Engineer", &MainWindow::Btn_Engineer_0Click},
        {"Confirm", &MainWindow::Btn_Confirm_0Click},
        {"Apply", &MainWindow::Btn_Apply_0Click},
        {"Read", &MainWindow::Btn_Read_0Click},
        {"Confirm1", &MainWindow::Btn_Confirm1_1Click},
        {"Confirm2", &MainWindow::Btn_Confirm2_1Click},
        {"Confirm3", &MainWindow::Btn_Confirm3_1Click},
        {"Save", &MainWindow::Btn_Save_0Click},
        {"Load", &MainWindow::Btn_Load_0Click},
        {"Exit", &MainWindow::Btn_Exit_0Click},
        {"Mini", &MainWindow::Btn_Minimize_0Click},
        {"Web", &MainWindow::Btn_Web_0Click},
    };
    for (const auto& [base, handler] : kHandlers) {
        if (base == name) {
            (this->*handler)();
            return;
        }
    }
    if (button_family(label) == ButtonFamily::language) switchLanguage(name.back() - '0');
}

// --- Device and profile buttons ---

void MainWindow::waitPressed() {
    for (int step = 0; step < kPressedWaitSteps && !m_closing; ++step) {
        wait_with_events(kPressedWaitStepMs);
    }
}

// The pressed image on all four copies, the short wait of the writing buttons, then the check
// for a mouse.
void MainWindow::pressDeviceButton(const char* name, bool wait) {
    showImages(all_copies(name, "BtnS_03"));
    if (wait) waitPressed();
}

void MainWindow::Btn_Confirm_0Click() {
    pressDeviceButton("Confirm", true);
    if (!mouseConnected()) {
        showFindingDevice();
        return;
    }
    m_cycle.DownloadParameter();
    waitPressed();
    close();
}

void MainWindow::Btn_Apply_0Click() {
    pressDeviceButton("Apply", true);
    if (!mouseConnected()) {
        showFindingDevice();
        return;
    }
    m_cycle.DownloadParameter();
}

void MainWindow::Btn_Read_0Click() {
    pressDeviceButton("Read", false);
    if (!mouseConnected()) {
        showFindingDevice();
        return;
    }
    ReadDevInfo();
}

void MainWindow::restorePreset(int preset) {
    pressDeviceButton(preset == 1 ? "Confirm1" : preset == 2 ? "Confirm2" : "Confirm3", true);
    if (!mouseConnected()) {
        showFindingDevice();
        return;
    }
    Result<Verification> restored = m_cycle.DefaultParameter(preset);
    if (!restored) show_error(restored.error().message);
}

// Save re-reads the mouse first, so the file holds what the mouse holds.
void MainWindow::Btn_Save_0Click() {
    close_popups();
    showImages(all_copies("Save", "SetS_03"));
    if (!mouseConnected()) {
        showFindingDevice();
        return;
    }
    const QString chosen = m_files->saveFileName(this, kSaveFilter);
    if (chosen.isEmpty()) return;
    const std::filesystem::path path =
        profile_file_path(std::filesystem::path(QFile::encodeName(chosen).toStdString()));
    ReadDevInfo();
    // A file that cannot be written is reported by the cycle through the message box.
    static_cast<void>(m_cycle.save_profile_file(path));
}

void MainWindow::Btn_Load_0Click() {
    close_popups();
    showImages(all_copies("Load", "SetS_03"));
    if (!mouseConnected()) {
        showFindingDevice();
        return;
    }
    const QString chosen = m_files->openFileName(this, kLoadFilter);
    if (chosen.isEmpty()) return;
    m_cycle.load_profile_file(std::filesystem::path(QFile::encodeName(chosen).toStdString()));
}

void MainWindow::Btn_Web_0Click() {
    showImages(all_copies("Web", "WebS_02"));
    if (m_options.web_enable) {
        QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(m_options.web)));
    }
}

gui::InputValueDialog* MainWindow::openInputValue(int kind) {
    return gui::InputValueDialog::open(this, kind, m_language, m_languageFont);
}

}  // namespace krvm
