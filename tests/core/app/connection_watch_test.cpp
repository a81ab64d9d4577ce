#include "core/app/connection_watch.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/app/fake_hid_bus.h"
#include "core/device/recording_transport.h"

namespace krvm {
namespace {

using testing::mouse_interface;
using testing::other_interface;

// Records what the watch asked of the window.
class RecordingHost final : public WatchHost {
  public:
    void wait_with_events(int milliseconds) override {
        waited_ms += milliseconds;
        if (during_wait) during_wait();
    }
    void device_lost(const std::vector<std::string>& permission_denied) override {
        ++lost;
        denied_paths = permission_denied;
    }
    void ReadDevInfo() override { ++identified; }
    bool closing() const override { return closed; }

    int waited_ms = 0;
    int lost = 0;
    int identified = 0;
    bool closed = false;
    std::vector<std::string> denied_paths;
    std::function<void()> during_wait;
};

class WatchTest : public ::testing::Test {
  protected:
    WatchTest() : mouse(std::make_unique<testing::CountingSleeper>()) {}

    // Puts the watch into "mouse connected" with the keyboard and the mouse present.
    void connect_mouse() {
        bus.set_present({other_interface("/dev/hidraw0"), mouse_interface()});
        watch.DevTimerTimer();
        ASSERT_EQ(host.identified, 1);
        ASSERT_TRUE(mouse.connection().valid());
        host = {};
    }

    testing::FakeHidBus bus;
    MouseLink mouse;
    RecordingHost host;
    testing::CountingSleeper sleeper;
    ConnectionWatch watch{bus, mouse, host, sleeper};
};

TEST_F(WatchTest, ArrivalWaitsThenOpensAndIdentifiesTheMouse) {
    bus.set_present({mouse_interface()});
    watch.DevTimerTimer();
    EXPECT_EQ(host.waited_ms, 2100);
    EXPECT_EQ(host.identified, 1);
    EXPECT_EQ(host.lost, 0);
    EXPECT_EQ(mouse.connection().path, "/dev/hidraw2");
    EXPECT_EQ(mouse.connection().vendor_id, 0x1BCFu);
    EXPECT_EQ(watch.last_count(), 1);
    EXPECT_EQ(bus.enumerations, 10 + 1);  // five pairs of counts, then the opening
}

TEST_F(WatchTest, SteadyCountDoesNothing) {
    connect_mouse();
    int enumerations = bus.enumerations;
    watch.DevTimerTimer();
    EXPECT_EQ(bus.enumerations, enumerations + 10);
    EXPECT_EQ(host.identified + host.lost, 0);
}

TEST_F(WatchTest, FlickeringCountsChangeNothing) {
    // Pairs (1,0) (1,0) (1,0) (1,0) (1,1): one pair in five agrees.
    std::vector<HidInterfaceInfo> one{mouse_interface()}, none{};
    bus.script({one, none, one, none, one, none, one, none, one, one});
    watch.DevTimerTimer();
    EXPECT_EQ(host.identified + host.lost, 0);
    EXPECT_EQ(watch.last_count(), 0);
    EXPECT_FALSE(mouse.connection().valid());
}

TEST_F(WatchTest, MouseUnpluggedDropsTheConnectionWithTheMessage) {
    connect_mouse();
    bus.set_present({other_interface("/dev/hidraw0")});
    watch.DevTimerTimer();
    EXPECT_EQ(host.lost, 1);
    EXPECT_FALSE(mouse.connection().valid());
    EXPECT_EQ(mouse.connection().vendor_id, 0u);
    EXPECT_EQ(watch.last_count(), 1);
}

TEST_F(WatchTest, AnotherDeviceLeavingKeepsTheConnectedMouse) {
    connect_mouse();
    bus.set_present({mouse_interface()});
    watch.DevTimerTimer();
    EXPECT_EQ(host.lost, 0);
    EXPECT_TRUE(mouse.connection().valid());
    EXPECT_EQ(watch.last_count(), 1);
}

TEST_F(WatchTest, AnotherDeviceArrivingLeavesTheConnectedMouseAlone) {
    connect_mouse();
    int opens = bus.opens;
    bus.set_present(
        {other_interface("/dev/hidraw0"), mouse_interface(), other_interface("/dev/hidraw5")});
    watch.DevTimerTimer();
    EXPECT_EQ(host.identified, 0);
    EXPECT_EQ(host.waited_ms, 0);
    EXPECT_EQ(bus.opens, opens);
    EXPECT_EQ(watch.last_count(), 3);
}

TEST_F(WatchTest, ArrivalWithoutTheMouseShowsTheNoDeviceMessage) {
    bus.set_present({other_interface("/dev/hidraw0")});
    watch.DevTimerTimer();
    EXPECT_EQ(host.lost, 1);
    EXPECT_TRUE(host.denied_paths.empty());
    EXPECT_EQ(host.identified, 0);
}

TEST_F(WatchTest, MouseThatMayNotBeOpenedIsRetriedThenNamed) {
    bus.set_present({mouse_interface("/dev/hidraw7")});
    bus.denied.insert("/dev/hidraw7");
    watch.DevTimerTimer();
    EXPECT_EQ(bus.opens, 5);
    EXPECT_EQ(sleeper.total_ms, 4 * 200);
    EXPECT_EQ(host.lost, 1);
    EXPECT_EQ(host.denied_paths, std::vector<std::string>{"/dev/hidraw7"});
}

TEST_F(WatchTest, SecondInterfaceOfTheMouseWithOtherReportsIsNeverChosen) {
    HidInterfaceInfo keyboard_side = mouse_interface("/dev/hidraw3");
    keyboard_side.feature_report_length = 65;
    bus.set_present({mouse_interface("/dev/hidraw2"), keyboard_side});
    watch.DevTimerTimer();
    EXPECT_EQ(mouse.connection().path, "/dev/hidraw2");
}

TEST_F(WatchTest, TickDuringTheWaitReturnsAtOnce) {
    bus.set_present({mouse_interface()});
    int nested_enumerations = -1;
    host.during_wait = [&] {
        int before = bus.enumerations;
        watch.DevTimerTimer();
        nested_enumerations = bus.enumerations - before;
    };
    watch.DevTimerTimer();
    EXPECT_EQ(nested_enumerations, 0);
    EXPECT_EQ(host.identified, 1);
}

TEST_F(WatchTest, ClosingDuringTheWaitOpensNothing) {
    bus.set_present({mouse_interface()});
    host.during_wait = [&] { host.closed = true; };
    watch.DevTimerTimer();
    EXPECT_EQ(bus.opens, 0);
    EXPECT_FALSE(mouse.connection().valid());
}

}  // namespace
}  // namespace krvm
