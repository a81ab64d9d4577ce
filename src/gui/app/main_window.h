// The skinned main window: six stacked page groups on a borderless, image-shaped window, the
// busy overlays that lock the pages during transfers, and the start-up sequence that brings the
// window into its no-device state.
#pragma once

#include <QLabel>
#include <QPoint>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

#include "core/app/connection_watch.h"
#include "core/app/identification.h"
#include "core/device/hid_bus.h"
#include "core/device/mouse_link.h"
#include "gui/app/message_box.h"

namespace krvm {

class LoadingWindow;

class MainWindow : public QWidget, private WatchHost {
    Q_OBJECT

  public:
    static inline const QString kCaption = QStringLiteral("KRVM640 Gaming Mouse v1.0");
    static inline const QString kApplicationTitle = QStringLiteral("KRVM640 Gaming Mouse");
    static constexpr int kPageCount = 6;
    static constexpr int kOverlayCount = 4;
    static constexpr QSize kEngineerPageSize{1076, 640};
    // Maroon pixels of the skin are see-through: the window takes the shape of its picture.
    static inline const QRgb kTransparentColour = qRgb(128, 0, 0);

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

    void Btn_Read();
    QString text(const char* id) const;

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
    void readPointerSettings();
    void alignMacroEditBoxes();
    void Btn_Lang1_0Click();

    void createPages();
    void createWindowButtons();
    void startDrag(QPoint globalPosition);

    MouseLink& m_mouse;
    std::unique_ptr<MessagePresenter> m_ownMessages;
    MessagePresenter* m_messages;
    QTimer m_devTimer;
    ConnectionWatch m_watch;
    bool m_noDevice = false;
    bool m_closing = false;
    std::optional<IdentifierBytes> m_identifierReadBack;
    std::array<std::uint8_t, protocol::kEepromSize> m_image{};
    LoadingWindow* m_loading = nullptr;
    QSystemTrayIcon m_trayIcon;
    QVector<QWidget*> m_pages;
    QVector<QLabel*> m_backgrounds;
    QVector<QWidget*> m_overlays;
    QPixmap m_background;
    QString m_programDirectory;
    QString m_applicationTitle;
    int m_language = 1;
    // Where a drag started, for platforms that cannot move a window for us.
    std::optional<QPoint> m_dragOffset;
};

}  // namespace krvm
