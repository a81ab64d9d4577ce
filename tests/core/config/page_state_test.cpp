// The pages' controls to the section copies and back: every byte survives an unedited round
// trip, and each control writes exactly its bits with its range rules.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "core/config/builtin_defaults.h"
#include "core/config/default_images.h"
#include "core/config/page_state.h"

namespace krvm {
namespace {

using namespace image;

SectionCopies cfg1_copies() {
    SectionCopies copies;
    copy_sections_out(*embedded_default_image(1), copies);
    return copies;
}

class UnchangedPages : public ::testing::TestWithParam<int> {};

// 0 stands for the built-in sections (a normal LED), 1..3 for the presets.
TEST_P(UnchangedPages, WriteBackEveryByte) {
    SectionCopies copies = builtin_sections();
    if (GetParam() > 0) copy_sections_out(*embedded_default_image(GetParam()), copies);
    PageState page;
    RefreshUI(copies, page);
    SectionCopies written = copies;
    UIToDataBuf(page, written);
    EXPECT_EQ(written, copies);
}

INSTANTIATE_TEST_SUITE_P(Images, UnchangedPages, ::testing::Values(0, 1, 2, 3));

struct Edit {
    const char* name;
    std::function<void(PageState&)> edit;
    // Section-copy bytes expected afterwards, by image offset (Parameter A, B and Fire key).
    std::vector<std::pair<std::size_t, std::uint8_t>> expected;
};
std::ostream& operator<<(std::ostream& out, const Edit& e) {
    return out << e.name;
}

std::uint8_t copy_byte(const SectionCopies& copies, std::size_t offset) {
    if (offset < kParameterBOffset) return copies.parameter_a[offset];
    if (offset < kReserved1Offset) return copies.parameter_b[offset - kParameterBOffset];
    if (offset >= kFireKeyOffset) return copies.fire_key[offset - kFireKeyOffset];
    if (offset >= kFireColoursOffset) return copies.fire_colours[offset - kFireColoursOffset];
    return copies.y_offsets[offset - kYOffsetsOffset];
}

class PageEdits : public ::testing::TestWithParam<Edit> {};

// Preset 1 as the starting point: MCU LED, options 0x45, MCU options 0x28, LED state 42 BD.
TEST_P(PageEdits, WriteTheirBitsOnly) {
    SectionCopies copies = cfg1_copies();
    PageState page;
    RefreshUI(copies, page);
    GetParam().edit(page);
    UIToDataBuf(page, copies);
    for (auto [offset, value] : GetParam().expected) {
        EXPECT_EQ(copy_byte(copies, offset), value) << "offset 0x" << std::hex << offset;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PageEdits,
    ::
        testing::
            Values(Edit{"orientation0IsCode7",
                        [](PageState& p) { p.sensor_orientation = 0; },
                        {{0x000, 0x75}}},
                   Edit{"orientation6IsCode0",
                        [](PageState& p) { p.sensor_orientation = 6; },
                        {{0x000, 0x05}}},
                   Edit{"noOrientationKeepsBits",
                        [](PageState& p) { p.sensor_orientation = kNoSelection; },
                        {{0x000, 0x45}}},
                   Edit{"radioPairWithNeitherKeepsBit",
                        [](PageState& p) {
                            p.middle_cpi_led_switch = RadioPair::neither;
                            p.left_cpi_led_mode = RadioPair::clear;
                        },
                        {{0x000, 0x41}}},
                   Edit{"normalLedBit",
                        [](PageState& p) { p.normal_led = RadioPair::set; },
                        {{0x000, 0xC5}, {0x004, 0xFF}}},
                   Edit{"switchMethodsKeepHighBits",
                        [](PageState& p) {
                            p.switch_by_middle_press = true;
                            p.switch_by_cpi_press = false;
                            p.switch_by_gun_press = false;
                        },
                        {{0x001, 0xF9}}},
                   Edit{"levelCountFromIndex",
                        [](PageState& p) { p.cpi_level_count = 0; },
                        {{0x002, 0x02}}},
                   Edit{"noLevelCountKeepsByte",
                        [](PageState& p) { p.cpi_level_count = kNoSelection; },
                        {{0x002, 0x06}}},
                   Edit{"thirteenLights",
                        [](PageState& p) { p.mcu_led_count = "13"; },
                        {{0x003, 0x08}}},
                   Edit{"fourLights", [](PageState& p) { p.mcu_led_count = "4"; }, {{0x003, 0x98}}},
                   Edit{"fourteenLightsKeepCount",
                        [](PageState& p) { p.mcu_led_count = "14"; },
                        {{0x003, 0x28}}},
                   Edit{"emptyCountKeepsCount",
                        [](PageState& p) { p.mcu_led_count = ""; },
                        {{0x003, 0x28}}},
                   Edit{"halfBrightness",
                        [](PageState& p) { p.mcu_all_lights = RadioPair::clear; },
                        {{0x003, 0x20}}},
                   Edit{"modeMaskKeepsBit0",
                        [](PageState& p) {
                            p.mcu_modes = {true, false, true, false, false, false, false};
                        },
                        {{0x004, 0x0B}}},
                   Edit{"mcuMode3Step5LedOn",
                        [](PageState& p) {
                            p.mcu_current_mode = 2;
                            p.mcu_step = "5";
                            p.led_off = RadioPair::clear;
                        },
                        {{0x032, 0xA3}, {0x033, 0x5C}}},
                   Edit{"mcuMode3Step5LedOff",
                        [](PageState& p) {
                            p.mcu_current_mode = 2;
                            p.mcu_step = "5";
                            p.led_off = RadioPair::set;
                        },
                        {{0x032, 0xAB}, {0x033, 0x54}}},
                   Edit{"stepOutOfRangeStartsFromZero",
                        [](PageState& p) { p.mcu_step = "8"; },
                        {{0x032, 0x02}, {0x033, 0xFD}}},
                   Edit{"normalLedBreathing",
                        [](PageState& p) {
                            p.normal_led = RadioPair::set;
                            p.normal_led_cpi_breathing = true;
                            p.led_off = RadioPair::clear;
                        },
                        {{0x032, 0x01}, {0x033, 0xFE}, {0x004, 0xFF}}},
                   Edit{"normalLedWithoutBreathing",
                        [](PageState& p) { p.normal_led = RadioPair::set; },
                        {{0x032, 0x00}, {0x033, 0xFF}}},
                   Edit{"breathingStepLowByte",
                        [](PageState& p) { p.breathing_step = "300"; },
                        {{0x005, 0x2C}}},
                   Edit{"cpiValueOutOfListKept",
                        [](PageState& p) { p.cpi_values[0] = 11; },
                        {{0x006, 0x01}}},
                   Edit{"cpiColour", [](PageState& p) { p.cpi_colours[6] = 0; }, {{0x013, 0x00}}},
                   Edit{"mcuColour",
                        [](PageState& p) { p.mcu_cpi_colours[1][2] = "17"; },
                        {{0x01F, 17}}},
                   Edit{"currentLevel",
                        [](PageState& p) { p.current_cpi_level = 6; },
                        {{0x030, 0x06}, {0x031, 0xF9}}},
                   Edit{"keyMode2",
                        [](PageState& p) { p.key_mode = 1; },
                        {{0x034, 0x80}, {0x035, 0x7F}}},
                   Edit{
                       "identifier",
                       [](PageState& p) {
                           p.manufacturer_code = "12";
                           p.product_code = "x";
                       },
                       {{0x036, 12}, {0x037, 0xFF}}},
                   Edit{"negativeYOffset",
                        [](PageState& p) { p.y_offsets[1] = "-5"; },
                        {{0x0B2, 0xFB}, {0x0B3, 0x04}}},
                   Edit{"fireColour",
                        [](PageState& p) { p.fire_colours[9][0] = "1"; },
                        {{0x0EB, 0x01}}},
                   Edit{"fireCount2IsStoredAs1",
                        [](PageState& p) { p.fire_count = 0; },
                        {{0x0F2, 0x01}}},
                   Edit{"fireInterval",
                        [](PageState& p) { p.fire_interval = "100"; },
                        {{0x0F8, 100}}}),
    [](const auto& info) { return info.param.name; });

TEST(RefreshUI, ShowsPreset1) {
    PageState page;
    RefreshUI(cfg1_copies(), page);
    EXPECT_EQ(page.normal_led, RadioPair::clear);
    EXPECT_EQ(page.sensor_orientation, sensor_orientation_index(4));
    EXPECT_EQ(page.sensor_orientation, 2);  // "180 °"
    EXPECT_EQ(page.cpi_level_count, 4);
    EXPECT_EQ(page.mcu_led_count, "11");
    EXPECT_EQ(page.mcu_all_lights, RadioPair::set);
    EXPECT_EQ(page.mcu_current_mode, 1);
    EXPECT_EQ(page.mcu_step, "2");
    EXPECT_EQ(page.led_off, RadioPair::clear);
    EXPECT_EQ(page.key_mode, 0);
    EXPECT_EQ(page.fire_count, 1);
    EXPECT_EQ(page.fire_interval, "6");
    EXPECT_EQ(page.key_mode1_colour, (RgbFields{"255", "0", "127"}));
}

TEST(RefreshUI, LightCountCodesAbove9LeaveTheField) {
    SectionCopies copies = cfg1_copies();
    copies.parameter_a[parameter_a::kMcuLedOptions] = 0xA8;
    PageState page;
    page.mcu_led_count = "7";
    RefreshUI(copies, page);
    EXPECT_EQ(page.mcu_led_count, "7");
}

TEST(RefreshUI, NormalLedBreathingIsNeverUnchecked) {
    SectionCopies copies = builtin_sections();  // normal LED, LED state 0
    PageState page;
    page.normal_led_cpi_breathing = true;
    RefreshUI(copies, page);
    EXPECT_TRUE(page.normal_led_cpi_breathing);
}

}  // namespace
}  // namespace krvm
