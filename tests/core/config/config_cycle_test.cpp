// The image operations against the simulated mouse: what reaches the EEPROM, the exact command
// order, and the busy protocol around each operation.
#include <gtest/gtest.h>

#include <random>

#include "core/config/builtin_defaults.h"
#include "core/config/cycle_fixture.h"
#include "core/config/default_images.h"

namespace krvm {
namespace {

using namespace image;
using testing::command_order;
using testing::CycleTest;

DataBuf preset(int n) {
    return *embedded_default_image(n);
}

// Preset 1 with the areas and reserved bytes full of other values, as a mouse the tool wrote
// after macros were recorded.
DataBuf written_by_the_tool() {
    DataBuf image = preset(1);
    std::mt19937 random(2048);
    for (std::size_t i = kDeviceMacrosOffset; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(random());
    image[0x038] = 0x12;
    image[0x09E] = 0x34;
    image[0x0FF] = 0x56;
    return image;
}

constexpr const char* kRead = "Begin Status ReadSetup ReadPiece*342 Reload End";
constexpr const char* kWriteAndVerify =
    "Begin Status WriteSetup WritePiece*342 Reload End Begin Status ReadSetup ReadPiece*43 Reload "
    "End";

TEST_F(CycleTest, ReadThenApplyWithoutEditsReproducesTheImage) {
    DataBuf original = written_by_the_tool();
    connect({}, original);
    open_for_read();
    cycle.Btn_Read();
    EXPECT_EQ(cycle.state().data_buf, original);
    log.clear();
    EXPECT_EQ(cycle.DownloadParameter(), Verification::matched);
    EXPECT_EQ(command_order(log), kWriteAndVerify);
    EXPECT_EQ(mouse->eeprom(), original);
}

TEST_F(CycleTest, ImageReadRunsTheBusyProtocolAroundTheTransfer) {
    open_for_read();
    log.clear();
    cycle.Btn_Read();
    EXPECT_EQ(command_order(log), "ReadSetup ReadPiece*342 Reload End");
    const std::vector<std::string> expected = {
        "stop watch",    "busy on",       "show loading", "events",         "pc macros",
        "device macros", "refresh pages", "read pointer", "read completed", "events",
        "hide loading",  "events",        "start watch",  "busy off"};
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(cycle.state().hex.key_mode2[8], "0C0607");
    EXPECT_EQ(cycle.state().page.mcu_led_count, "11");
}

TEST_F(CycleTest, BlankEepromIsRepairedButDataBufKeepsItsBytes) {
    Eeprom blank;
    blank.fill(0xFF);
    connect({}, blank);
    open_for_read();
    cycle.Btn_Read();
    const ConfigState& state = cycle.state();
    EXPECT_EQ(state.data_buf[kFileTypeOffset], 0xFF);
    EXPECT_TRUE(state.last_checks.parameter_a_repaired);
    EXPECT_TRUE(state.last_checks.parameter_b_repaired);
    EXPECT_TRUE(state.last_checks.profile_repaired);
    EXPECT_TRUE(state.last_checks.fire_key_repaired);
    EXPECT_EQ(state.sections.profile, builtin_sections().profile);
    EXPECT_EQ(state.page.manufacturer_code, "255");
}

TEST_F(CycleTest, ApplyCollectsTheControlsAndWritesThem) {
    open_for_read();
    cycle.Btn_Read();
    cycle.state().page.key_mode = 1;
    cycle.state().page.fire_interval = "100";
    host.calls.clear();
    EXPECT_EQ(cycle.DownloadParameter(), Verification::matched);
    EXPECT_EQ(mouse->eeprom()[0x034], 0x80);
    EXPECT_EQ(mouse->eeprom()[0x035], 0x7F);
    EXPECT_EQ(mouse->eeprom()[0x0F8], 100);
    SectionCopies copies;
    CheckOutcome checks = copy_sections_out(mouse->eeprom(), copies);
    EXPECT_FALSE(checks.fire_key_repaired);
    const std::vector<std::string> expected = {
        "close popups", "stop watch",   "busy on", "show loading",  "events",
        "aim keys",     "show loading", "events",  "apply pointer", "hide loading",
        "events",       "start watch",  "busy off"};
    EXPECT_EQ(host.calls, expected);
}

struct RefusalCase {
    const char* name;
    const char* option;
    const char* commands;
};
std::ostream& operator<<(std::ostream& out, const RefusalCase& c) {
    return out << c.name;
}

class ApplyRefused : public CycleTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ApplyRefused, SendsOnlyTheBrackets) {
    open_for_read();
    cycle.Btn_Read();
    SimulationOptions options;
    ASSERT_TRUE(apply_simulation_option(options, GetParam().option));
    mouse->options() = options;
    log.clear();
    host.calls.clear();
    EXPECT_EQ(cycle.DownloadParameter(), Verification::skipped);
    EXPECT_EQ(command_order(log), GetParam().commands);
    EXPECT_EQ(host.calls.back(), "busy off");
}

INSTANTIATE_TEST_SUITE_P(
    Mice, ApplyRefused,
    ::testing::Values(
        RefusalCase{"type144", "type=0x35", "Begin Status Reload End Begin Status Reload End"},
        RefusalCase{"noAccess", "access=0", "Begin Status Reload End Begin Status Reload End"},
        RefusalCase{"wrongSignature", "signature=0x55", "Begin Status"},
        RefusalCase{"silent", "answer=never", "Begin*5"}),
    [](const auto& info) { return info.param.name; });

struct DropCase {
    const char* name;
    const char* drop;
    Verification verification;
    const char* commands;
    bool message;
};
std::ostream& operator<<(std::ostream& out, const DropCase& c) {
    return out << c.name;
}

class Verify : public CycleTest, public ::testing::WithParamInterface<DropCase> {};

// A changed breathing step (0x005) and a changed device macro byte (0x200) are written;
// the mouse loses the writes of one address.
TEST_P(Verify, RewritesTheSettingsOnceAndReportsOnlyALastingDifference) {
    SimulationOptions options;
    ASSERT_TRUE(apply_simulation_option(options, GetParam().drop));
    connect(options);
    open_for_read();
    cycle.Btn_Read();
    cycle.state().page.breathing_step = "9";
    cycle.state().areas.device_macros[0x100] = 0x77;
    log.clear();
    host.calls.clear();
    EXPECT_EQ(cycle.DownloadParameter(), GetParam().verification);
    EXPECT_EQ(command_order(log), GetParam().commands);
    bool shown =
        std::find(host.calls.begin(), host.calls.end(), "message Str109") != host.calls.end();
    EXPECT_EQ(shown, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Drops, Verify,
    ::testing::Values(
        DropCase{"insideSettings", "drop-writes=5-5", Verification::failed,
                 "Begin Status WriteSetup WritePiece*342 Reload End Begin Status ReadSetup "
                 "ReadPiece*43 WriteSetup WritePiece*43 Reload ReadSetup ReadPiece*43 Reload End",
                 true},
        DropCase{"outsideSettings", "drop-writes=0x200-0x200", Verification::matched,
                 kWriteAndVerify, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(CycleTest, PresetRestoreWritesThePresetAndKeepsTheScriptBuffers) {
    cycle.state().areas.script.fill(0x44);
    EXPECT_EQ(*cycle.DefaultParameter(2), Verification::matched);
    EXPECT_EQ(mouse->eeprom(), preset(2));
    EXPECT_EQ(mouse->eeprom()[0x034], 0x80);
    EXPECT_EQ(cycle.state().page.key_mode, 1);
    EXPECT_EQ(cycle.state().areas.script[0], 0x44);
    EXPECT_EQ(command_order(log), kWriteAndVerify);
    const std::vector<std::string> expected = {"close popups", "stop watch",        "busy on",
                                               "show loading", "clear macro texts", "device macros",
                                               "show loading", "refresh pages",     "hide loading",
                                               "events",       "start watch",       "busy off"};
    EXPECT_EQ(host.calls, expected);
}

TEST_F(CycleTest, UnknownPresetChangesNothing) {
    EXPECT_FALSE(cycle.DefaultParameter(4));
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(CycleTest, BuiltinRestoreWritesTheSectionDefaultsAndLeavesTheBusyOverlays) {
    DataBuf original = written_by_the_tool();
    connect({}, original);
    open_for_read();
    cycle.Btn_Read();
    host.calls.clear();
    EXPECT_EQ(cycle.TLDefaultParameter(), Verification::matched);
    const Eeprom& written = mouse->eeprom();
    SectionCopies copies;
    CheckOutcome checks = copy_sections_out(written, copies);
    EXPECT_FALSE(checks.parameter_a_repaired || checks.profile_repaired ||
                 checks.fire_key_repaired);
    EXPECT_EQ(copies, builtin_sections());
    EXPECT_EQ(written[0x038], 0x12);  // reserved bytes stay
    for (std::size_t i = 0; i < kDeviceMacrosSize; ++i)
        ASSERT_EQ(written[kDeviceMacrosOffset + i], 0);
    for (std::size_t i = 0; i < kFireRecordsSize; ++i) ASSERT_EQ(written[kFireBlockOffset + i], 0);
    for (std::size_t i = kFireRecordsSize; i < kFireBlockSize; ++i) {
        ASSERT_EQ(written[kFireBlockOffset + i], original[kFireBlockOffset + i]);
    }
    for (std::size_t i = kScriptOffset; i < kImageSize; ++i) ASSERT_EQ(written[i], original[i]);
    EXPECT_EQ(cycle.state().hex.key_mode2[6], "0F0000");
    EXPECT_TRUE(std::find(host.calls.begin(), host.calls.end(), "busy on") == host.calls.end());
    EXPECT_TRUE(std::find(host.calls.begin(), host.calls.end(), "busy off") == host.calls.end());
}

TEST_F(CycleTest, NoDeviceImageIsPreset1AndSendsNothing) {
    ASSERT_TRUE(cycle.load_no_device_image());
    EXPECT_EQ(cycle.state().data_buf, preset(1));
    EXPECT_EQ(cycle.state().page.key_mode, 0);
    EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace krvm
