#include "platform/hid/hidraw_bus.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

#include "core/app/discovery.h"
#include "core/device/report_descriptors.h"

namespace krvm {
namespace {

namespace fs = std::filesystem;

// A tree shaped like /sys/class/hidraw and /dev: each node's "device" links into a USB
// interface folder inside a USB device folder that carries bcdDevice.
class FakeSysfs : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("krvm640-sysfs-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "class/hidraw");
        fs::create_directories(root / "dev");
        paths = {root / "class/hidraw", root / "dev"};
    }
    void TearDown() override { fs::remove_all(root); }

    void add_node(int number, const char* hid_id, const char* bcd,
                  const std::vector<std::uint8_t>& descriptor) {
        std::string name = "hidraw" + std::to_string(number);
        fs::path usb_device = root / "devices" / ("1-" + std::to_string(number));
        fs::path hid_device = usb_device / "1-1:1.0" / (std::string(hid_id) + ".0001");
        fs::create_directories(hid_device);
        if (bcd) std::ofstream(usb_device / "bcdDevice") << bcd << "\n";
        std::ofstream(hid_device / "uevent")
            << "DRIVER=hid-generic\nHID_ID=" << hid_id << "\nHID_NAME=Test\n";
        std::ofstream(hid_device / "report_descriptor", std::ios::binary)
            .write(reinterpret_cast<const char*>(descriptor.data()), descriptor.size());
        fs::create_directories(root / "class/hidraw" / name);
        fs::create_directory_symlink(hid_device, root / "class/hidraw" / name / "device");
        std::ofstream(root / "dev" / name);
    }

    fs::path root;
    HidrawPaths paths;
};

TEST_F(FakeSysfs, EnumeratesNodesInNumberOrderWithIdentityAndReportLength) {
    add_node(10, "0003:00001BCF:000008A0", "0104", testing::kConfigurationInterface);
    add_node(9, "0003:00001BCF:000008A0", "0104", testing::kKeyboardSideInterface);
    add_node(2, "0003:0000046D:0000C31C", "4910", testing::kBootMouseInterface);
    add_node(3, "0005:0000046D:0000B023", nullptr, testing::kBootMouseInterface);  // Bluetooth

    HidrawBus bus(paths);
    auto interfaces = bus.enumerate();
    ASSERT_EQ(interfaces.size(), 4u);
    EXPECT_EQ(interfaces[0].path, (root / "dev/hidraw2").string());
    EXPECT_EQ(interfaces[0].vendor_id, 0x046D);
    EXPECT_EQ(interfaces[0].version, 0x4910);
    EXPECT_EQ(interfaces[1].version, 0);  // no USB device above it
    EXPECT_EQ(interfaces[2].feature_report_length, 65);
    EXPECT_EQ(interfaces[3].vendor_id, 0x1BCF);
    EXPECT_EQ(interfaces[3].product_id, 0x08A0);
    EXPECT_EQ(interfaces[3].version, 0x0104);
    EXPECT_EQ(interfaces[3].feature_report_length, 8);

    auto chosen = chosen_interface(interfaces, kAcceptedIdentifierTable[0], kRequiredVersion);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, (root / "dev/hidraw10").string());
}

TEST_F(FakeSysfs, NodesWithoutAHidIdOrADeviceNodeAreSkipped) {
    add_node(0, "garbage", "0104", testing::kConfigurationInterface);
    add_node(1, "0003:00001BCF:000008A0", "0104", testing::kConfigurationInterface);
    fs::remove(root / "dev/hidraw1");
    fs::create_directories(root / "class/hidraw/not-a-node");
    EXPECT_TRUE(HidrawBus(paths).enumerate().empty());
}

TEST_F(FakeSysfs, PermissionDeniedIsToldApart) {
    add_node(4, "0003:00001BCF:000008A0", "0104", testing::kConfigurationInterface);
    // Tests may run as root, which may open anything: refuse read-write opens by hand.
    HidrawBus bus(paths, [](const char* path, int flags) {
        if ((flags & O_ACCMODE) == O_RDWR && !(flags & O_PATH)) {
            errno = EACCES;
            return -1;
        }
        return ::open(path, flags);
    });
    auto interfaces = bus.enumerate();
    ASSERT_EQ(interfaces.size(), 1u);
    OpenError error;
    EXPECT_FALSE(bus.open(interfaces[0], error));
    EXPECT_TRUE(error.permission_denied);
    EXPECT_NE(error.message.find("hidraw4"), std::string::npos);
}

}  // namespace
}  // namespace krvm
