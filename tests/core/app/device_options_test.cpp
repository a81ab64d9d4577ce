#include "core/app/device_options.h"

#include <gtest/gtest.h>

namespace krvm {
namespace {

TEST(DeviceOptions, TakesTheDeviceOptionsAndLeavesTheRest) {
    auto parsed = parse_device_options({"--simulate=m.bin", "--sim-option", "latency=2",
                                        "--sim-log=t.txt", "show", "--sim-control", "plug", "p.bin",
                                        "--trace", "trace.txt", "--json"});
    ASSERT_TRUE(parsed) << parsed.error().message;
    EXPECT_TRUE(parsed->device.simulate);
    EXPECT_EQ(parsed->device.simulation_file, "m.bin");
    EXPECT_EQ(parsed->device.simulation.latency, 2);
    EXPECT_EQ(parsed->device.simulation_log, "t.txt");
    EXPECT_EQ(parsed->device.simulation_control, "plug");
    EXPECT_EQ(parsed->device.trace, "trace.txt");
    EXPECT_EQ(parsed->rest, (std::vector<std::string>{"show", "p.bin", "--json"}));
}

TEST(DeviceOptions, MissingValuesAreRefused) {
    for (auto arguments : std::vector<std::vector<std::string>>{
             {"--sim-log"}, {"--simulate="}, {"--sim-option"}, {"--sim-option", "latency=x"}}) {
        EXPECT_FALSE(parse_device_options(arguments)) << arguments[0];
    }
}

}  // namespace
}  // namespace krvm
