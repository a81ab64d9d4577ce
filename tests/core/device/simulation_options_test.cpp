#include "core/device/simulation_options.h"

#include <gtest/gtest.h>

namespace krvm {
namespace {

TEST(SimulationOptions, AcceptedSettings) {
    SimulationOptions options;
    for (const char* setting :
         {"type=0x35", "access=0", "signature=85", "answer=refuse", "latency=3",
          "drop-writes=0-255", "unplug-after=40", "buttons=0x1FF"}) {
        EXPECT_TRUE(apply_simulation_option(options, setting).ok()) << setting;
    }
    EXPECT_EQ(options.type_code, 0x35);
    EXPECT_FALSE(options.access);
    EXPECT_EQ(options.signature, 85);
    EXPECT_EQ(options.answer, SimulationOptions::Answer::refuse);
    EXPECT_EQ(options.latency, 3);
    ASSERT_TRUE(options.drop_writes);
    EXPECT_EQ(options.drop_writes->last, 255);
    EXPECT_EQ(options.unplug_after, 40);
    EXPECT_EQ(options.buttons, 0x1FF);
}

TEST(SimulationOptions, RefusedSettingsSayWhy) {
    for (const char* setting : {"type", "type=256", "type=", "access=2", "answer=sometimes",
                                "drop-writes=300-10", "drop-writes=5", "drop-writes=0-4096",
                                "latency=-1", "buttons=0x10000", "colour=red", "type=0xZZ"}) {
        SimulationOptions options;
        Status status = apply_simulation_option(options, setting);
        EXPECT_FALSE(status.ok()) << setting;
        if (!status.ok()) {
            EXPECT_FALSE(status.error().message.empty());
        }
    }
}

}  // namespace
}  // namespace krvm
