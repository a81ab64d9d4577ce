#include "gui/app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include "gui/app/app_icon.h"
#include "gui/app/loading_window.h"
#include "gui/ui/font_resolver.h"
#include "gui/ui/shaped_window.h"
#include "gui/ui/skin_loader.h"

namespace krvm {

MainWindow::MainWindow(HidBus& bus, MouseLink& mouse, MessagePresenter* messages, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window),
      m_mouse(mouse),
      m_ownMessages(messages ? nullptr : std::make_unique<MessageBoxPresenter>(this)),
      m_messages(messages ? messages : m_ownMessages.get()),
      m_watch(bus, mouse, *this, mouse.sleeper()),
      m_cycle(mouse.channel(), *this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    m_devTimer.setInterval(ConnectionWatch::kIntervalMs);
    connect(&m_devTimer, &QTimer::timeout, this, &MainWindow::DevTimerTimer);
    m_devTimer.start();
    m_labelRun.setInterval(RollingCaption::kIntervalMs);
    connect(&m_labelRun, &QTimer::timeout, this, &MainWindow::LabelRunTimer);
    createPages();
    createPageBar();
    FormCreate();
}

MainWindow::~MainWindow() {
    m_closing = true;
}

void MainWindow::createPages() {
    for (int number = 1; number <= kPageCount; ++number) {
        auto* page = new QWidget(this);
        page->setObjectName(QStringLiteral("gbPage%1").arg(number));
        m_pages.push_back(page);
        if (number == kPageCount) {
            // The engineer page has no skin: a plain dark sheet under its controls.
            QPalette palette = page->palette();
            palette.setColor(QPalette::Window, QColor(0x1e, 0x22, 0x2a));
            page->setPalette(palette);
            page->setAutoFillBackground(true);
        }
        auto* background = new QLabel(page);
        background->setObjectName(QStringLiteral("Img_Base_%1").arg(number));
        background->installEventFilter(this);
        m_backgrounds.push_back(background);
        if (number < kPageCount) {
            // The page's own picture lies on its background; pressing it drags like the background.
            auto* picture = new QLabel(page);
            picture->setObjectName(QStringLiteral("Img_P%1").arg(number));
            picture->installEventFilter(this);
        }
    }
    // The overlays lie above everything on the first four pages and swallow their clicks.
    for (int number = 1; number <= kOverlayCount; ++number) {
        auto* overlay = new QWidget(m_pages[number - 1]);
        overlay->setObjectName(QStringLiteral("Disable_All_%1").arg(number));
        overlay->setAttribute(Qt::WA_NoSystemBackground);
        overlay->installEventFilter(this);
        m_overlays.push_back(overlay);
    }
}

void MainWindow::FormCreate() {
    giveTrayIconTheApplicationIcon();
    resetPageRunState();
    loadBackground();
    sizeWindowAndPages();
    centreOnScreen();
    makeShaped();
    storeProgramDirectory();
    showOnlyPage(1);
    loadSkinsAndLayoutOptions();
    loadMacroLibraryAndFireScripts();
    applyFontChoice();
    layOutLanguage(1);
    keepDefaultImageIdentifiers();
    setApplicationTitle();
    resetConnection();
    RefreshErrorAP();
    readPointerSettings();
    alignMacroEditBoxes();
    switchLanguage(1);  // as if the first language button had been pressed
    update();
}

void MainWindow::giveTrayIconTheApplicationIcon() {
    QIcon icon = applicationIcon();
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
    m_trayIcon.setIcon(icon);
    if (QSystemTrayIcon::isSystemTrayAvailable()) m_trayIcon.show();
}

void MainWindow::resetPageRunState() {
    // The pages' run-time flags (CPI levels in use, popups, LED kind) arrive with their pages.
}

void MainWindow::loadBackground() {
    m_baseSize = gui::SkinLoader::loadStartupImages(this, m_page);
}

void MainWindow::sizeWindowAndPages() {
    for (int number = 1; number <= kPageCount; ++number) {
        QSize pageSize = number == kPageCount ? kEngineerPageSize : m_baseSize;
        page(number)->setGeometry(QRect(QPoint(0, 0), pageSize));
    }
    for (QWidget* overlay : m_overlays) overlay->setGeometry(QRect(QPoint(0, 0), m_baseSize));
    stackOverlays();
    fitWindowToPage();
}

// The ordinary pages take the background's size, the engineer page its own.
void MainWindow::fitWindowToPage() {
    setFixedSize(m_page == Page::engineer ? kEngineerPageSize : m_baseSize);
    makeShaped();
}

void MainWindow::centreOnScreen() {
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + (screen.width() - width()) / 2,
         screen.top() + (screen.height() - height()) / 2);
}

// The engineer page is a plain rectangle; the others take the outline of their background.
void MainWindow::makeShaped() {
    if (m_page == Page::engineer) {
        clearMask();
        return;
    }
    gui::shapeToPicture(this, m_backgrounds[0]->pixmap());
}

void MainWindow::storeProgramDirectory() {
    m_programDirectory = QApplication::applicationDirPath() + QLatin1Char('/');
}

void MainWindow::showOnlyPage(int number) {
    for (int i = 1; i <= kPageCount; ++i) page(i)->setVisible(i == number);
}

// A layout option that is missing or not a number keeps its default, so the window still opens.
void MainWindow::loadSkinsAndLayoutOptions() {
    auto options = read_options();
    if (options) m_options = *options;
}

void MainWindow::loadMacroLibraryAndFireScripts() {
    // The PC macro library and the fire-macro script file arrive with the macro pages.
}

// The tables name Windows fonts; each is mapped to an installed font with the needed glyphs.
void MainWindow::applyFontChoice() {
    gui::FontResolver::installSubstitutions();
    m_chineseLocale = QLocale::system().language() == QLocale::Chinese &&
                      QLocale::system().territory() == QLocale::China;
}

void MainWindow::layOutLanguage(int language) {
    m_language = language;
    refresh_skin(language);
}

void MainWindow::keepDefaultImageIdentifiers() {
    // The accepted identifier pairs are read from the embedded preset 1 at each identification.
}

void MainWindow::setApplicationTitle() {
    show_title();
}

void MainWindow::resetConnection() {
    m_mouse.connection().invalidate();
}

// The no-device state: the default image on page 1, the page buttons inert. The busy overlays
// stay as they are, so the pages remain locked while no mouse is connected.
void MainWindow::RefreshErrorAP() {
    InitNoDevice();
    m_noDevice = true;
    m_page = Page::office;
    showOnlyPage(1);
    fitWindowToPage();
}

void MainWindow::InitNoDevice() {
    // Preset 1 is embedded by the build; without it the window keeps an empty image.
    if (Status loaded = m_cycle.load_no_device_image(); !loaded) {
        qWarning("krvm640: %s", loaded.error().message.c_str());
    }
}

void MainWindow::readPointerSettings() {
    // The pointer settings arrive with the Advanced page.
}

void MainWindow::alignMacroEditBoxes() {
    // The macro editor's number boxes arrive with the macro page.
}

void MainWindow::setLoadingWindow(LoadingWindow* loading) {
    m_loading = loading;
    m_mouse.channel().set_hooks(
        {[this] { showLoading(); }, [] { QCoreApplication::processEvents(); }});
}

void MainWindow::busyOn() {
    for (QWidget* overlay : m_overlays) overlay->show();
}

void MainWindow::busyOff() {
    for (QWidget* overlay : m_overlays) overlay->hide();
}

void MainWindow::showLoading() {
    if (m_loading) {
        m_loading->centreOverMainWindow();
        m_loading->show();
    }
    QCoreApplication::processEvents();
}

void MainWindow::hideLoading() {
    if (m_loading) m_loading->hide();
    QCoreApplication::processEvents();
}

void MainWindow::restoreAndRaise() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

// Any close first takes the mouse away from the channel, so nothing more is sent.
void MainWindow::closeEvent(QCloseEvent* event) {
    m_mouse.connection().invalidate();
    m_closing = true;
    m_devTimer.stop();
    if (m_loading) m_loading->close();
    m_trayIcon.hide();
    event->accept();
}

// Pressing the background (or an overlay lying on it) drags the borderless window; pressing a
// page background also closes the key menus.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (!m_overlays.contains(qobject_cast<QWidget*>(watched))) HideAllMenu();
        if (press->button() == Qt::LeftButton) startDrag(press->globalPosition().toPoint());
        return true;
    }
    if (event->type() == QEvent::MouseMove && m_dragOffset) {
        move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - *m_dragOffset);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        m_dragOffset.reset();
        return m_overlays.contains(qobject_cast<QWidget*>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

// The window manager moves the window when it can; otherwise the window follows the pointer.
void MainWindow::startDrag(QPoint globalPosition) {
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    m_dragOffset = globalPosition - frameGeometry().topLeft();
}

}  // namespace krvm
