#include "core/device/simulated_bus.h"

#include <gtest/gtest.h>

#include <fstream>

namespace krvm {
namespace {

TEST(SimulatedBus, ControlFilePlugsTheMouseOutAndIn) {
    auto control =
        std::filesystem::temp_directory_path() / ("krvm640-control-" + std::to_string(::getpid()));
    auto mouse = std::make_shared<SimulatedMouse>();
    SimulatedHidBus bus(mouse, nullptr, control, nullptr);

    ASSERT_EQ(bus.enumerate().size(), 1u);  // no control file yet: plugged
    OpenError error;
    auto handle = bus.open(SimulatedHidBus::interface_info(), error);
    ASSERT_TRUE(handle);

    std::ofstream(control) << "unplugged\n";
    EXPECT_TRUE(bus.enumerate().empty());
    EXPECT_FALSE(handle->present());
    EXPECT_FALSE(bus.open(SimulatedHidBus::interface_info(), error));

    std::ofstream(control) << "plugged\n";
    EXPECT_EQ(bus.enumerate().size(), 1u);
    EXPECT_TRUE(bus.open(SimulatedHidBus::interface_info(), error));

    std::ofstream(control) << "sideways\n";  // other words change nothing
    EXPECT_EQ(bus.enumerate().size(), 1u);
    std::filesystem::remove(control);
}

}  // namespace
}  // namespace krvm
