#include "core/device/command_channel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <ostream>

#include "core/device/recording_transport.h"
#include "core/device/simulated_mouse.h"

namespace krvm {
namespace {

using namespace protocol;
using testing::CountingSleeper;
using testing::LoggedReport;

// A simulated mouse on the other end of a channel, with every report logged.
class ChannelTest : public ::testing::Test {
  protected:
    void connect(SimulationOptions options = {}) {
        mouse = std::make_unique<SimulatedMouse>(options);
        connection.handle = std::make_unique<testing::RecordingTransport>(*mouse, log);
    }
    void SetUp() override { connect(); }

    std::vector<const LoggedReport*> sent(std::uint8_t command) const {
        std::vector<const LoggedReport*> found;
        for (const auto& report : log) {
            if (report.sent && report.bytes[1] == command) found.push_back(&report);
        }
        return found;
    }

    std::unique_ptr<SimulatedMouse> mouse;
    std::vector<LoggedReport> log;
    Connection connection;
    CountingSleeper sleeper;
    CommandChannel channel{connection, sleeper};
};

struct BlockCase {
    int address;
    int length;
    int pieces;
    FeatureReport announcement;
};
std::ostream& operator<<(std::ostream& out, const BlockCase& c) {
    return out << c.length << " bytes at " << c.address;
}

class BlockPieces : public ChannelTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(BlockPieces, ReadAnnouncesTheBlockAndUsesOneExchangePerPiece) {
    const BlockCase& c = GetParam();
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    std::vector<std::uint8_t> destination(c.length);
    ASSERT_TRUE(channel.read_block(c.address, c.length, destination, false));
    ASSERT_EQ(sent(ReadSetupCmd).size(), 1u);
    EXPECT_EQ(sent(ReadSetupCmd)[0]->bytes, c.announcement);
    EXPECT_EQ(static_cast<int>(sent(ReadPieceCmd).size()), c.pieces);
}

TEST_P(BlockPieces, WriteAnnouncesTheBlockAndUsesOneExchangePerPiece) {
    const BlockCase& c = GetParam();
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    std::vector<std::uint8_t> source(c.length, 0x11);
    ASSERT_TRUE(channel.write_block(c.address, c.length, source));
    FeatureReport announcement = c.announcement;
    announcement[1] = WriteSetupCmd;
    EXPECT_EQ(sent(WriteSetupCmd)[0]->bytes, announcement);
    EXPECT_EQ(static_cast<int>(sent(WritePieceCmd).size()), c.pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, BlockPieces,
    ::testing::Values(BlockCase{0, 2048, 342, {4, 4, 0x00, 0x00, 0x00, 0x08, 0, 0}},
                      BlockCase{54, 2, 1, {4, 4, 0x36, 0x00, 0x02, 0x00, 0, 0}},
                      BlockCase{0, 256, 43, {4, 4, 0x00, 0x00, 0x00, 0x01, 0, 0}},
                      BlockCase{0x500, 12, 2, {4, 4, 0x00, 0x05, 0x0C, 0x00, 0, 0}}));

TEST_F(ChannelTest, BlocksTravelByteExactlyBothWays) {
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    std::vector<std::uint8_t> image(kEepromSize);
    std::iota(image.begin(), image.end(), 0);  // wraps at 256: every byte value many times
    ASSERT_TRUE(channel.write_block(0, kEepromSize, image));
    std::vector<std::uint8_t> back(kEepromSize);
    ASSERT_TRUE(channel.read_block(0, kEepromSize, back, true));
    EXPECT_EQ(back, image);
    std::vector<std::uint8_t> identifier(2);
    ASSERT_TRUE(channel.read_block(54, 2, identifier, false));
    EXPECT_EQ(identifier, (std::vector<std::uint8_t>{54, 55}));
}

TEST_F(ChannelTest, ShortLastWritePieceCarriesTheTailOfThePreviousPiece) {
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    std::vector<std::uint8_t> source{1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_TRUE(channel.write_block(0x100, 8, source));
    auto pieces = sent(WritePieceCmd);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[1]->bytes, (FeatureReport{4, 7, 7, 8, 3, 4, 5, 6}));
}

TEST_F(ChannelTest, SingleShortWritePieceIsFilledWithFF) {
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    std::vector<std::uint8_t> source{0xA5, 0x5A};
    ASSERT_TRUE(channel.write_block(54, 2, source));
    EXPECT_EQ(sent(WritePieceCmd)[0]->bytes,
              (FeatureReport{4, 7, 0xA5, 0x5A, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(mouse->eeprom()[54], 0xA5);
    EXPECT_EQ(mouse->eeprom()[56], 0xFF);  // the filler is not part of the block
}

struct SilenceCase {
    const char* name;
    SimulationOptions::Answer answer;
    int sets;
    int gets;
    int sleeps;
    long total_ms;
};
std::ostream& operator<<(std::ostream& out, const SilenceCase& c) {
    return out << c.name;
}

class Silence : public ChannelTest, public ::testing::WithParamInterface<SilenceCase> {};

TEST_P(Silence, ExchangeGivesUpAfterFiveAttempts) {
    const SilenceCase& c = GetParam();
    SimulationOptions options;
    options.answer = c.answer;
    connect(options);
    EXPECT_FALSE(channel.exchange(BeginCmd));
    EXPECT_EQ(testing::count_sent(log, BeginCmd), c.sets);
    EXPECT_EQ(testing::count_read(log), c.gets);
    EXPECT_EQ(sleeper.sleeps, c.sleeps);
    EXPECT_EQ(sleeper.total_ms, c.total_ms);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Silence,
    ::testing::Values(
        // Silence: every attempt polls five times and sleeps after each empty poll.
        SilenceCase{"never", SimulationOptions::Answer::never, 5, 25, 30, 300},
        // A refusal ends the attempt's polling at once and is asked again.
        SilenceCase{"refuse", SimulationOptions::Answer::refuse, 5, 5, 5, 50}),
    [](const auto& info) { return info.param.name; });

TEST_F(ChannelTest, ButtonMaskGivesUpAfterTenAttemptsOfTenPolls) {
    SimulationOptions options;
    options.answer = SimulationOptions::Answer::never;
    connect(options);
    EXPECT_EQ(channel.read_button_mask(), 0);
    EXPECT_EQ(testing::count_sent(log, StatusCmd), 10);
    EXPECT_EQ(testing::count_read(log), 100);
    EXPECT_EQ(sleeper.total_ms, 10 * 11 * 5);
}

TEST_F(ChannelTest, ButtonMaskIsLittleEndian) {
    SimulationOptions options;
    options.buttons = 0x0101;  // buttons 1 and 9
    connect(options);
    EXPECT_EQ(channel.read_button_mask(), 0x0101);
}

TEST_F(ChannelTest, SilentPieceWriteIsTriedFiveTimesAndNotReported) {
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    // The mouse takes the announcement, then falls silent before the piece.
    SimulationOptions& options = mouse->options();
    channel.set_hooks({nullptr, [&] { options.answer = SimulationOptions::Answer::never; }});
    std::vector<std::uint8_t> source(6, 0x22);
    EXPECT_TRUE(channel.write_block(0, 6, source));
    EXPECT_EQ(testing::count_sent(log, WritePieceCmd), 5);
}

TEST_F(ChannelTest, UnansweredPieceReadLeavesFF) {
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    // The mouse answers the announcement and the first piece, then falls silent.
    SimulationOptions& options = mouse->options();
    std::vector<std::uint8_t> destination(12, 0x00);
    channel.set_hooks({nullptr, [&] { options.answer = SimulationOptions::Answer::never; }});
    ASSERT_TRUE(channel.read_block(0, 12, destination, false));
    std::vector<std::uint8_t> expected(12, 0xFF);
    std::copy_n(mouse->eeprom().begin(), 6, expected.begin());
    EXPECT_EQ(destination, expected);
    EXPECT_EQ(testing::count_sent(log, ReadPieceCmd), 1 + 5);  // one answered, one tried 5 times
}

TEST_F(ChannelTest, LatencyIsWaitedOut) {
    SimulationOptions options;
    options.latency = 3;
    connect(options);
    EXPECT_TRUE(channel.exchange(BeginCmd));
    EXPECT_EQ(testing::count_read(log), 4);
    EXPECT_EQ(sleeper.total_ms, 10 + 3 * 10);
}

struct StatusCase {
    const char* name;
    std::uint8_t type_code;
    bool access;
    std::uint8_t signature;
    ConfigModeEntry entry;
    int controller_type;
};
std::ostream& operator<<(std::ostream& out, const StatusCase& c) {
    return out << c.name;
}

class StatusReply : public ChannelTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusReply, DecidesWhetherTheMouseIsServed) {
    const StatusCase& c = GetParam();
    SimulationOptions options;
    options.type_code = c.type_code;
    options.access = c.access;
    options.signature = c.signature;
    connect(options);
    EXPECT_EQ(channel.enter_config_mode(), c.entry);
    EXPECT_EQ(channel.status().controller_type, c.controller_type);
    EXPECT_EQ(channel.status().access_allowed, c.access);
}

INSTANTIATE_TEST_SUITE_P(
    Controllers, StatusReply,
    ::testing::Values(
        StatusCase{"type152", 0xFD, true, 0xAA, ConfigModeEntry::served, 152},
        StatusCase{"type144", 0x35, true, 0xAA, ConfigModeEntry::not_served, 144},
        StatusCase{"type153", 0x75, true, 0xAA, ConfigModeEntry::not_served, 153},
        StatusCase{"unknownType", 0x12, true, 0xAA, ConfigModeEntry::not_served, 0},
        StatusCase{"accessDenied", 0xFD, false, 0xAA, ConfigModeEntry::not_served, 152},
        StatusCase{"wrongSignature", 0xFD, true, 0x55, ConfigModeEntry::unanswered, 152}),
    [](const auto& info) { return info.param.name; });

TEST_F(ChannelTest, WrongSignatureSendsNothingAfterTheStatus) {
    SimulationOptions options;
    options.signature = 0x00;
    connect(options);
    EXPECT_EQ(channel.enter_config_mode(), ConfigModeEntry::unanswered);
    auto last_sent = std::find_if(log.rbegin(), log.rend(), [](const auto& r) { return r.sent; });
    ASSERT_NE(last_sent, log.rend());
    EXPECT_EQ(last_sent->bytes[1], StatusCmd);
}

TEST_F(ChannelTest, LeavingReloadsThenEnds) {
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    log.clear();
    channel.leave_config_mode();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].bytes[1], SystemReloadCmd);
    EXPECT_EQ(log[2].bytes[1], EndCmd);
    EXPECT_FALSE(mouse->in_config_mode());
}

TEST_F(ChannelTest, InvalidHandleTouchesNothing) {
    connection.invalidate();
    std::vector<std::uint8_t> buffer(16, 0);
    EXPECT_FALSE(channel.exchange(BeginCmd));
    EXPECT_EQ(channel.enter_config_mode(), ConfigModeEntry::unanswered);
    channel.leave_config_mode();
    EXPECT_FALSE(channel.read_block(0, 16, buffer, true));
    EXPECT_FALSE(channel.write_block(0, 16, buffer));
    EXPECT_EQ(channel.read_button_mask(), 0);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(sleeper.sleeps, 0);
}

TEST_F(ChannelTest, UnplugMidTransferEndsQuicklyWithFFTail) {
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    mouse->options().unplug_after = static_cast<long>(log.size()) + 2 + 2 * 50;
    std::vector<std::uint8_t> destination(kEepromSize, 0);
    ASSERT_TRUE(channel.read_block(0, kEepromSize, destination, true));
    EXPECT_FALSE(mouse->present());
    EXPECT_EQ(destination.back(), 0xFF);
    EXPECT_LT(sleeper.total_ms, 1000);  // no retries against a mouse that is gone
}

TEST_F(ChannelTest, SecondOperationDuringATransferIsTurnedAway) {
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    std::vector<bool> nested_results;
    channel.set_hooks({[&] { nested_results.push_back(channel.exchange(BeginCmd)); }, nullptr});
    std::vector<std::uint8_t> destination(12);
    ASSERT_TRUE(channel.read_block(0, 12, destination, true));
    EXPECT_EQ(nested_results, (std::vector<bool>{false, false}));
    EXPECT_EQ(testing::count_sent(log, BeginCmd), 1);
    EXPECT_TRUE(channel.exchange(BeginCmd));  // free again once the transfer has ended
}

TEST_F(ChannelTest, ProgressIsShownBeforeEveryPieceOnlyWhenAsked) {
    ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served);
    int shown = 0;
    channel.set_hooks({[&] { ++shown; }, nullptr});
    std::vector<std::uint8_t> buffer(20);
    ASSERT_TRUE(channel.read_block(0, 20, buffer, false));
    EXPECT_EQ(shown, 0);
    ASSERT_TRUE(channel.read_block(0, 20, buffer, true));
    EXPECT_EQ(shown, 4);
    ASSERT_TRUE(channel.write_block(0, 20, buffer));
    EXPECT_EQ(shown, 8);
}

}  // namespace
}  // namespace krvm
