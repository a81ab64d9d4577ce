// The skinned main window: six stacked page groups on a borderless, image-shaped window, the
// busy overlays that lock the pages during transfers, and the start-up sequence that brings the
// window into its no-device state.
#pragma once

#include <QLabel>
#include <QPoint>
#include <QSystemTrayIcon>
#include <QVector>
#include <QWidget>

#include "core/device/mouse_link.h"

namespace krvm {

class LoadingWindow;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    static inline const QString kCaption = QStringLiteral("KRVM640 Gaming Mouse v1.0");
    static inline const QString kApplicationTitle = QStringLiteral("KRVM640 Gaming Mouse");
    static constexpr int kPageCount = 6;
    static constexpr int kOverlayCount = 4;
    static constexpr QSize kEngineerPageSize{1076, 640};
    // Maroon pixels of the skin are see-through: the window takes the shape of its picture.
    static inline const QRgb kTransparentColour = qRgb(128, 0, 0);

    explicit MainWindow(MouseLink& mouse, QWidget* parent = nullptr);

    // The loading window is created after the main window; transfers show it through here.
    void setLoadingWindow(LoadingWindow* loading);

    // Busy protocol pieces used around every transfer.
    void busyOn();
    void busyOff();
    void showLoading();
    void hideLoading();

    // Brings a minimised or hidden window back and to the front (a second start asked for it).
    void restoreAndRaise();

    QWidget* page(int number) const { return m_pages[number - 1]; }
    QWidget* overlay(int number) const { return m_overlays[number - 1]; }
    QString applicationTitle() const { return m_applicationTitle; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
