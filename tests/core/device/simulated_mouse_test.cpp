#include "core/device/simulated_mouse.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/common/files.h"
#include "core/device/command_channel.h"
#include "core/device/recording_transport.h"
#include "core/device/transcript.h"

namespace krvm {
namespace {

class TempDir : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("krvm640-sim-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

using SimulatedMouseFile = TempDir;

TEST_F(SimulatedMouseFile, MissingFileIsCreatedFromTheStartImage) {
    auto mouse = SimulatedMouse::with_file(dir / "m.bin");
    ASSERT_TRUE(mouse) << mouse.error().message;
    auto bytes = read_file(dir / "m.bin");
    ASSERT_TRUE(bytes);
    Eeprom start = simulated_start_image();
    EXPECT_EQ(*bytes, std::vector<std::uint8_t>(start.begin(), start.end()));
}

TEST_F(SimulatedMouseFile, FileOfAnotherSizeIsRefusedAndKept) {
    std::vector<std::uint8_t> short_file(100, 0x42);
    ASSERT_TRUE(write_file_atomically(dir / "m.bin", short_file));
    auto mouse = SimulatedMouse::with_file(dir / "m.bin");
    ASSERT_FALSE(mouse);
    EXPECT_NE(mouse.error().message.find("2048"), std::string::npos);
    EXPECT_EQ(*read_file(dir / "m.bin"), short_file);
}

TEST_F(SimulatedMouseFile, EndedWriteIsStoredAndSurvivesARestart) {
    {
        auto mouse = SimulatedMouse::with_file(dir / "m.bin");
        ASSERT_TRUE(mouse);
        Connection connection;
        connection.handle = std::move(*mouse);
        testing::CountingSleeper sleeper;
        CommandChannel channel(connection, sleeper);
        ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
        std::vector<std::uint8_t> block{9, 8, 7};
        ASSERT_TRUE(channel.write_block(0x80, 3, block));
    }
    auto again = SimulatedMouse::with_file(dir / "m.bin");
    ASSERT_TRUE(again);
    EXPECT_EQ((*again)->eeprom()[0x80], 9);
    EXPECT_EQ((*again)->eeprom()[0x82], 7);
    EXPECT_EQ((*again)->eeprom()[0x83], simulated_start_image()[0x83]);
}

TEST(SimulatedMouse, DroppedWritesAreAcknowledgedButNotStored) {
    SimulationOptions options;
    options.drop_writes = SimulationOptions::AddressRange{2, 3};
    auto mouse = std::make_unique<SimulatedMouse>(options);
    SimulatedMouse& firmware = *mouse;
    Connection connection;
    connection.handle = std::move(mouse);
    testing::CountingSleeper sleeper;
    CommandChannel channel(connection, sleeper);
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    std::vector<std::uint8_t> block{1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(channel.write_block(0, 6, block));
    EXPECT_EQ(firmware.eeprom()[1], 2);
    EXPECT_EQ(firmware.eeprom()[2], simulated_start_image()[2]);
    EXPECT_EQ(firmware.eeprom()[3], simulated_start_image()[3]);
    EXPECT_EQ(firmware.eeprom()[4], 5);
}

TEST(SimulatedMouse, TransfersNeedConfigurationMode) {
    SimulatedMouse mouse;
    mouse.send_feature({4, protocol::ReadSetupCmd, 0, 0, 6, 0, 0, 0});
    FeatureReport reply{4};
    ASSERT_TRUE(mouse.get_feature(reply));
    EXPECT_EQ(reply[protocol::kStatusByte], protocol::kNoAnswerYet);
}

TEST(SimulatedMouse, UnplugAfterCountsSentAndReadReports) {
    SimulationOptions options;
    options.unplug_after = 3;
    SimulatedMouse mouse(options);
    FeatureReport report{4, protocol::BeginCmd};
    EXPECT_TRUE(mouse.send_feature(report));
    EXPECT_TRUE(mouse.get_feature(report));
    EXPECT_TRUE(mouse.send_feature(report));
    EXPECT_FALSE(mouse.present());
    EXPECT_FALSE(mouse.get_feature(report));
}

TEST(Transcript, LineIsDirectionAndUpperCaseHex) {
    EXPECT_EQ(transcript_line("SET", {4, 3, 0, 0, 0, 0, 0, 0}), "SET 04 03 00 00 00 00 00 00");
    EXPECT_EQ(transcript_line("GET", {4, 0xAA, 4, 0xFD, 0, 0, 0, 0xCC}),
              "GET 04 AA 04 FD 00 00 00 CC");
}

}  // namespace
}  // namespace krvm
