#include "gui/app/main_window.h"

#include <QScreen>

#include "main_window_fixture.h"

namespace krvm {
namespace {

TEST_F(MainWindowTest, OpensCentredWithItsCaptionAndOnlyPageOne) {
    EXPECT_EQ(window.windowTitle(), "KRVM640 Gaming Mouse v1.0");
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.x(), (screen.width() - window.width()) / 2);
    EXPECT_EQ(window.y(), (screen.height() - window.height()) / 2);
    EXPECT_TRUE(window.page(1)->isVisible());
    for (int number = 2; number <= MainWindow::kPageCount; ++number) {
        EXPECT_FALSE(window.page(number)->isVisible()) << number;
    }
    EXPECT_EQ(window.page(6)->size(), QSize(1076, 640));
}

TEST_F(MainWindowTest, WindowTakesTheOutlineOfItsBackground) {
    // The rounded corners of the background are see-through; its middle is the window.
    EXPECT_TRUE(window.mask().contains(QPoint(500, 330)));
    EXPECT_FALSE(window.mask().contains(QPoint(0, 0)));
}

TEST_F(MainWindowTest, PagesAreLockedFromTheStartUntilBusyOff) {
    for (int number = 1; number <= MainWindow::kOverlayCount; ++number) {
        EXPECT_FALSE(window.overlay(number)->isHidden()) << number;
        EXPECT_EQ(window.overlay(number)->size(), window.size());
    }
    window.busyOff();
    for (int number = 1; number <= MainWindow::kOverlayCount; ++number) {
        EXPECT_TRUE(window.overlay(number)->isHidden()) << number;
    }
    window.busyOn();
    EXPECT_FALSE(window.overlay(3)->isHidden());
}

TEST_F(MainWindowTest, LoadingWindowStartsLowerThenCentresOverTheMovedWindow) {
    QRect main = window.frameGeometry();
    int centredTop = main.top() + (main.height() - LoadingWindow::kHeight) / 2;
    EXPECT_EQ(loading.y(), centredTop + LoadingWindow::kFirstDrop);

    window.move(window.x() - 77, window.y() + 31);
    window.showLoading();
    main = window.frameGeometry();
    EXPECT_TRUE(loading.isVisible());
    EXPECT_EQ(loading.size(), QSize(206, 196));
    EXPECT_EQ(loading.x(), main.left() + (main.width() - 206) / 2);
    EXPECT_EQ(loading.y(), main.top() + (main.height() - 196) / 2);
    window.hideLoading();
    EXPECT_FALSE(loading.isVisible());
}

// Notes, each time the loading window appears, whether the pages were locked and the watch
// stopped at that moment.
class LoadingWatcher : public QObject {
  public:
    LoadingWatcher(MainWindow& window) : m_window(window) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shows;
            locked = locked && !m_window.overlay(1)->isHidden();
            watchStopped = watchStopped && !m_window.devTimer().isActive();
        }
        return false;
    }
    int shows = 0;
    bool locked = true;
    bool watchStopped = true;

  private:
    MainWindow& m_window;
};

TEST_F(MainWindowTest, LoadingWindowShowsWhileTheImageIsReadWithThePagesLocked) {
    LoadingWatcher watcher(window);
    loading.installEventFilter(&watcher);
    window.DevTimerTimer();
    EXPECT_GE(watcher.shows, 1);
    EXPECT_TRUE(watcher.locked);
    EXPECT_TRUE(watcher.watchStopped);
    EXPECT_FALSE(loading.isVisible());
    EXPECT_TRUE(window.overlay(1)->isHidden());
}

TEST_F(MainWindowTest, WatchFindsTheMouseReadsItAndUnlocksThePages) {
    window.switchLanguage(3);
    EXPECT_TRUE(window.devTimer().isActive());
    EXPECT_EQ(window.devTimer().interval(), 3500);
    window.DevTimerTimer();
    EXPECT_TRUE(mouse.connection().valid());
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_FALSE(window.noDevice());
    EXPECT_TRUE(window.overlay(1)->isHidden());
    EXPECT_FALSE(simulated->in_config_mode());
    EXPECT_TRUE(window.devTimer().isActive());

    simulated->set_plugged(false);
    window.DevTimerTimer();
    EXPECT_FALSE(mouse.connection().valid());
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0],
              "No Device Found\n\nPlease check your device is attached to USB port");
    EXPECT_FALSE(window.overlay(1)->isHidden());
    EXPECT_TRUE(window.noDevice());
    // The no-device state shows the embedded preset 1 again.
    EXPECT_EQ(window.configuration().data_buf[0x7F], 0x98);
}

TEST_F(MainWindowTest, RefusedControllerGetsItsMessageAndIsDropped) {
    simulated->options().type_code = 0x35;
    window.DevTimerTimer();
    EXPECT_FALSE(mouse.connection().valid());
    // The window starts in simplified Chinese.
    EXPECT_EQ(messages.texts, QStringList{QString::fromUtf8("正在查找指定设备")});
    EXPECT_FALSE(window.overlay(1)->isHidden());
}

TEST_F(MainWindowTest, ForeignIdentifierBytesKeepTheConnectionButNotThePages) {
    Eeprom foreign = simulated_start_image();
    foreign[kIdentifierAddress] = 0x12;
    simulated = std::make_shared<SimulatedMouse>(SimulationOptions{}, foreign);
    bus = SimulatedHidBus(simulated, nullptr, std::nullopt, nullptr);
    window.switchLanguage(3);
    window.DevTimerTimer();
    EXPECT_TRUE(mouse.connection().valid());
    EXPECT_EQ(messages.texts, QStringList{"The mouse manufacturer or product id error"});
    EXPECT_FALSE(window.overlay(1)->isHidden());
    EXPECT_TRUE(window.devTimer().isActive());
    ASSERT_TRUE(window.identifierReadBack());
    EXPECT_EQ(window.identifierReadBack()->manufacturer, 0x12);
}

TEST_F(MainWindowTest, ClosingDropsTheMouseBeforeAnythingElse) {
    mouse.connection().handle = std::make_unique<SimulatedMouse>();
    window.close();
    EXPECT_FALSE(mouse.connection().valid());
    EXPECT_FALSE(mouse.channel().exchange(protocol::BeginCmd));
}

}  // namespace
}  // namespace krvm
