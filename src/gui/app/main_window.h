// The skinned main window: six stacked page groups on a borderless, image-shaped window, the
// busy overlays that lock the pages during transfers, and the start-up sequence that brings the
// window into its no-device state. It is also what the device watch, the image operations and
// the language buttons ask of the window (main_window_device.cpp, main_window_language.cpp).
#pragma once

#include <QLabel>
#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <memory>
#include <optional>

#include "core/app/connection_watch.h"
#include "core/app/identification.h"
#include "core/config/config_cycle.h"
#include "core/config/cycle_host.h"
#include "core/device/hid_bus.h"
#include "core/device/mouse_link.h"
#include "core/ui/kept_texts.h"
#include "core/ui/language_switch.h"
#include "core/ui/layout_options.h"
#include "core/ui/layout_plan.h"
#include "core/ui/page_navigation.h"
#include "core/ui/rolling_caption.h"
#include "core/ui/skinned_button.h"
#include "gui/app/file_dialogs.h"
#include "gui/app/message_box.h"

namespace krvm {

class LoadingWindow;
namespace gui {
class InputValueDialog;
class SkinButton;
}  // namespace gui

class MainWindow : public QWidget,
                   private WatchHost,
                   private CycleHost,
                   private LanguageSwitchSteps {
    Q_OBJECT

  public:
    static inline const QString kCaption = QStringLiteral("KRVM640 Gaming Mouse v1.0");
    static inline const QString kApplicationTitle = QStringLiteral("KRVM640 Gaming Mouse");
    static constexpr int kPageCount = 6;
    static constexpr int kOverlayCount = 4;
    static constexpr QSize kEngineerPageSize{1076, 640};
    // The page bar's device buttons wait this long after showing their pressed image, in short
    // steps that keep the window alive.
    static constexpr int kPressedWaitSteps = 11;
    static constexpr int kPressedWaitStepMs = 10;
    static inline const QString kSaveFilter = QStringLiteral("SaveFile(*.bin)|*.bin");
    static inline const QString kLoadFilter = QStringLiteral("LoadFile(*.bin)|*.bin");

    // `messages` defaults to modal message boxes.
    MainWindow(HidBus& bus, MouseLink& mouse, MessagePresenter* messages = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The loading window is created after the main window; transfers show it through here.
    void setLoadingWindow(LoadingWindow* loading);

    // Busy protocol pieces used around every transfer.
    void busyOn();
    void busyOff();
    void showLoading();
    void hideLoading();

    // Brings a minimised or hidden window back and to the front (a second start asked for it).
    void restoreAndRaise();

    // The watch for plugging and unplugging (`DevTimer`): runs from the window's creation.
    QTimer& devTimer() { return m_devTimer; }
    void DevTimerTimer() { m_watch.DevTimerTimer(); }
    bool noDevice() const { return m_noDevice; }
    std::optional<IdentifierBytes> identifierReadBack() const { return m_identifierReadBack; }
    const ConfigState& configuration() const { return m_cycle.state(); }

    // The language buttons' handler (all copies); 1 simplified Chinese, 2 traditional, 3 English.
    void switchLanguage(int language) { switch_language(language, *this); }
    int language() const { return m_language; }
    // The current language's text of a string identifier ("Str020").
    QString text(const char* id) const;

    // The page buttons of the page bar (all copies of a button share its handler).
    void Btn_Main_0Click() { pageButton(PageButton::main); }
    void Btn_Second_0Click() { pageButton(PageButton::second); }
    void Btn_Adv_0Click() { pageButton(PageButton::adv); }
    void Btn_Breath_0Click() { pageButton(PageButton::breath); }
    void Btn_Macro_0Click() { pageButton(PageButton::macro); }
    void Btn_Engineer_0Click() { pageButton(PageButton::engineer); }
    // The device buttons: write, read, the three presets, and the profile files.
    void Btn_Confirm_0Click();
    void Btn_Apply_0Click();
    void Btn_Read_0Click();
    void Btn_Confirm1_1Click() { restorePreset(1); }
    void Btn_Confirm2_1Click() { restorePreset(2); }
    void Btn_Confirm3_1Click() { restorePreset(3); }
    void Btn_Save_0Click();
    void Btn_Load_0Click();
    // The window buttons.
    void Btn_Exit_0Click() { close(); }
    void Btn_Minimize_0Click() { showMinimized(); }
    void Btn_Web_0Click();
    // Hides the function menus of the key page (pressing a page background does too).
    void HideAllMenu();
    // Clears the no-device flag and shows every page button unselected.
    void ButtonTypeB_1IconInit();
    // One tick of the hovered button's rolling caption (`LabelRun`).
    void LabelRunTimer();
    QTimer& labelRun() { return m_labelRun; }

    // Opens a new Input Value dialog for a macro line of `kind` in the current language.
    gui::InputValueDialog* openInputValue(int kind);

    // Tests answer the file dialogs themselves.
    void setFileDialogs(FileDialogs* dialogs) { m_files = dialogs; }
    // The options of the product variant; tests switch caption rolling on.
    LayoutOptions& layoutOptions() { return m_options; }
    Page currentPage() const { return m_page; }

    QWidget* page(int number) const { return m_pages[number - 1]; }
    QWidget* overlay(int number) const { return m_overlays[number - 1]; }
    QString applicationTitle() const { return m_applicationTitle; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What the connection watch asks of the window.
    void wait_with_events(int milliseconds) override;
    void device_lost(const std::vector<std::string>& permissionDenied) override;
    void ReadDevInfo() override;
    bool closing() const override { return m_closing; }

    // What the image operations ask of the window.
    void stop_device_watch() override { m_devTimer.stop(); }
    void start_device_watch() override { m_devTimer.start(); }
    void set_busy(bool busy) override { busy ? busyOn() : busyOff(); }
    void show_loading() override { showLoading(); }
    void hide_loading() override { hideLoading(); }
    void process_events() override;
    void show_message(std::string_view id) override;
    void show_error(std::string_view text) override;
    void image_read_completed() override;

    // What a language button asks of the window.
    void show_language_button(int language, bool selected) override;
    void check_language_radio(int language) override { m_language = language; }
    int insert_choice() const override { return 0; }
    void hide_delay_group() override {}
    void set_current_language(int language) override { m_language = language; }
    void refresh_skin(int language) override;
    void apply_language(int language) override;
    void restore_insert_choice(int) override {}
    void show_title() override;
    void refresh_page() override;
    void reset_rolling_caption(int) override;

    // The start-up sequence, step by step.
    void FormCreate();
    void giveTrayIconTheApplicationIcon();
    void resetPageRunState();
    void loadBackground();
    void sizeWindowAndPages();
    void centreOnScreen();
    void makeShaped();
    void storeProgramDirectory();
    void showOnlyPage(int number);
    void loadSkinsAndLayoutOptions();
    void loadMacroLibraryAndFireScripts();
    void applyFontChoice();
    void layOutLanguage(int language);
    void keepDefaultImageIdentifiers();
    void setApplicationTitle();
    void resetConnection();
    void RefreshErrorAP();
    void InitNoDevice();
    void readPointerSettings();
    void alignMacroEditBoxes();

    void createPages();
    void createPageBar();
    void stackOverlays();
    void fitWindowToPage();
    void startDrag(QPoint globalPosition);

    // Page bar and skinned buttons (main_window_pages.cpp).
    bool mouseConnected() const;
    void showFindingDevice();
    void pageButton(PageButton button);
    void showPageControls(const PageShow& show);
    void pressDeviceButton(const char* name, bool wait);
    void waitPressed();
    void restorePreset(int preset);
    void showImages(const std::vector<ImageChange>& changes);
    HoverContext hoverContext() const;
    void buttonEntered(gui::SkinButton* button);
    void buttonLeft(gui::SkinButton* button);
    void buttonClicked(gui::SkinButton* button);

    MouseLink& m_mouse;
    std::unique_ptr<MessagePresenter> m_ownMessages;
    MessagePresenter* m_messages;
    QtFileDialogs m_qtFiles;
    FileDialogs* m_files = &m_qtFiles;
    QTimer m_devTimer;
    ConnectionWatch m_watch;
    ConfigCycle m_cycle;
    bool m_noDevice = false;
    bool m_closing = false;
    std::optional<IdentifierBytes> m_identifierReadBack;
    LoadingWindow* m_loading = nullptr;
    QSystemTrayIcon m_trayIcon;
    QVector<QWidget*> m_pages;
    QVector<QLabel*> m_backgrounds;
    QVector<QWidget*> m_overlays;
    QSize m_baseSize;
    QString m_programDirectory;
    QString m_applicationTitle = kApplicationTitle;
    LayoutOptions m_options;
    KeptLayout m_keptLayout;
    KeptTexts m_kept;
    QFont m_languageFont;
    bool m_chineseLocale = false;
    int m_language = 1;
    Page m_page = Page::office;
    // The hovered skinned button and its caption rolling.
    QPointer<gui::SkinButton> m_hovered;
    RollingCaption m_rolling;
    QTimer m_labelRun;
    // Where a drag started, for platforms that cannot move a window for us.
    std::optional<QPoint> m_dragOffset;
};

}  // namespace krvm
