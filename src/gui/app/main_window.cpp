#include "gui/app/main_window.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "core/app/accepted_identifiers.h"
#include "core/app/discovery.h"
#include "gui/app/loading_window.h"
#include "gui/app/placeholder_art.h"

namespace krvm {

MainWindow::MainWindow(HidBus& bus, MouseLink& mouse, MessagePresenter* messages, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window),
      m_mouse(mouse),
      m_ownMessages(messages ? nullptr : std::make_unique<MessageBoxPresenter>(this)),
      m_messages(messages ? messages : m_ownMessages.get()),
      m_watch(bus, mouse, *this, mouse.sleeper()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    m_devTimer.setInterval(ConnectionWatch::kIntervalMs);
    connect(&m_devTimer, &QTimer::timeout, this, &MainWindow::DevTimerTimer);
    m_devTimer.start();
    createPages();
    createWindowButtons();
    FormCreate();
}

MainWindow::~MainWindow() {
    m_closing = true;
}

void MainWindow::createPages() {
    for (int number = 1; number <= kPageCount; ++number) {
        auto* page = new QWidget(this);
        page->setObjectName(QStringLiteral("gbPage%1").arg(number));
        page->setAttribute(Qt::WA_OpaquePaintEvent, false);
        m_pages.push_back(page);
        auto* background = new QLabel(page);
        background->setObjectName(QStringLiteral("Img_Base_%1").arg(number));
        background->installEventFilter(this);
        m_backgrounds.push_back(background);
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

// Until the page bar's skinned buttons exist, plain buttons close and minimise the window.
// They stay above the busy overlays: a locked window can still be closed.
void MainWindow::createWindowButtons() {
    auto* close = new QPushButton(QStringLiteral("\u00D7"), this);
    close->setObjectName(QStringLiteral("Btn_Close"));
    auto* minimise = new QPushButton(QStringLiteral("\u2013"), this);
    minimise->setObjectName(QStringLiteral("Btn_Min"));
    for (QPushButton* button : {close, minimise}) {
        button->setFixedSize(28, 24);
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QStringLiteral(
            "QPushButton{color:#c8ccd4;background:transparent;border:none;font-size:16px}"
            "QPushButton:hover{color:#ffffff;background:#c0392b}"));
    }
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(minimise, &QPushButton::clicked, this, &QWidget::showMinimized);
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
    Btn_Lang1_0Click();
    update();
}

void MainWindow::giveTrayIconTheApplicationIcon() {
    QIcon icon = placeholder::applicationIcon();
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
    m_trayIcon.setIcon(icon);
    if (QSystemTrayIcon::isSystemTrayAvailable()) m_trayIcon.show();
}

void MainWindow::resetPageRunState() {
    // The pages' run-time flags (CPI levels in use, popups, LED kind) arrive with their pages.
}

void MainWindow::loadBackground() {
    m_background = placeholder::background();
    m_backgrounds[0]->setPixmap(m_background);
}

void MainWindow::sizeWindowAndPages() {
    QSize size = m_background.size();
    setFixedSize(size);
    for (int number = 1; number <= kPageCount; ++number) {
        QSize pageSize = number == kPageCount ? kEngineerPageSize : size;
        page(number)->setGeometry(QRect(QPoint(0, 0), pageSize));
        m_backgrounds[number - 1]->setGeometry(QRect(QPoint(0, 0), pageSize));
        if (number != 1 && number != kPageCount) m_backgrounds[number - 1]->setPixmap(m_background);
    }
    for (QWidget* overlay : m_overlays) {
        overlay->setGeometry(QRect(QPoint(0, 0), size));
        overlay->raise();
    }
    auto* close = findChild<QPushButton*>(QStringLiteral("Btn_Close"));
    auto* minimise = findChild<QPushButton*>(QStringLiteral("Btn_Min"));
    close->move(size.width() - 44, 14);
    minimise->move(size.width() - 76, 14);
    close->raise();
    minimise->raise();
}

void MainWindow::centreOnScreen() {
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + (screen.width() - width()) / 2,
         screen.top() + (screen.height() - height()) / 2);
}

void MainWindow::makeShaped() {
    QImage image = m_background.toImage();
    QBitmap shape =
        QBitmap::fromImage(image.createMaskFromColor(kTransparentColour, Qt::MaskInColor));
    setMask(shape);
}

void MainWindow::storeProgramDirectory() {
    m_programDirectory = QApplication::applicationDirPath() + QLatin1Char('/');
}

void MainWindow::showOnlyPage(int number) {
    for (int i = 1; i <= kPageCount; ++i) page(i)->setVisible(i == number);
}

void MainWindow::loadSkinsAndLayoutOptions() {
    // Skin images and the [org] layout options arrive with the skins.
}

void MainWindow::loadMacroLibraryAndFireScripts() {
    // The PC macro library and the fire-macro script file arrive with the macro pages.
}

void MainWindow::applyFontChoice() {
    // The font choice from the locale arrives with the language tables.
}

void MainWindow::layOutLanguage(int language) {
    m_language = language;
}

void MainWindow::keepDefaultImageIdentifiers() {
    // The identifier bytes of the embedded default image arrive with the image model.
}

void MainWindow::setApplicationTitle() {
    m_applicationTitle = kApplicationTitle;
    m_trayIcon.setToolTip(m_applicationTitle);
}

void MainWindow::resetConnection() {
    m_mouse.connection().invalidate();
}

// The no-device state: the default image on page 1, the page buttons inert. The busy overlays
// stay as they are, so the pages remain locked while no mouse is connected.
void MainWindow::RefreshErrorAP() {
    // InitNoDevice: the embedded default image arrives with the image model.
    m_noDevice = true;
    showOnlyPage(1);
}

void MainWindow::readPointerSettings() {
    // The pointer settings arrive with the Advanced page.
}

void MainWindow::alignMacroEditBoxes() {
    // The macro editor's number boxes arrive with the macro page.
}

void MainWindow::Btn_Lang1_0Click() {
    // Switching the language arrives with the language tables.
}

// Messages in English until the language tables arrive.
QString MainWindow::text(const char* id) const {
    static const QHash<QString, QString> english{
        {QStringLiteral("Str020"), QStringLiteral("Finding the specified device")},
        {QStringLiteral("Str100"), QStringLiteral("No Device Found")},
        {QStringLiteral("Str101"),
         QStringLiteral("Please check your device is attached to USB port")},
        {QStringLiteral("Str107"), QStringLiteral("The mouse manufacturer or product id error")},
    };
    return english.value(QLatin1String(id));
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
            Btn_Read();
            return;
        case IdentifyOutcome::identifier_refused:
            // The connection stays open; the window keeps showing the default image.
            m_devTimer.stop();
            m_messages->show(text("Str107"), QString());
            m_devTimer.start();
            return;
        case IdentifyOutcome::not_served:
            m_mouse.connection().invalidate();
            m_messages->show(text("Str020"), QString());
            m_devTimer.start();
            return;
    }
}

// The image read, entered in configuration mode after identification.
void MainWindow::Btn_Read() {
    m_devTimer.stop();
    busyOn();
    showLoading();
    CommandChannel& channel = m_mouse.channel();
    channel.read_block(0, protocol::kEepromSize, m_image, true);
    channel.leave_config_mode();
    showOnlyPage(1);
    m_noDevice = false;
    QCoreApplication::processEvents();
    hideLoading();
    m_devTimer.start();
    busyOff();
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

// Pressing the background (or an overlay lying on it) drags the borderless window.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
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
