#include "core/macros/macro_lines.h"

#include <gtest/gtest.h>

namespace krvm {
namespace {

struct Drawn {
    std::string_view line;
    std::string_view text;
};

class DrawnLines : public testing::TestWithParam<Drawn> {};

TEST_P(DrawnLines, ShowWhatTheEventDoes) {
    EXPECT_EQ(drawn_text(GetParam().line), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    MacroLines, DrawnLines,
    testing::Values(Drawn{"1 LeftKey CODE:00A1", "LeftKey"},
                    Drawn{"2 Backward CODE:0030", "Backward"}, Drawn{"1 Shift CODE:82E1", "Shift"},
                    Drawn{"2 Left Windows CODE:0108", "Left Windows"}, Drawn{"1  CODE:8232", ""},
                    Drawn{"0 80", "80 ms"}, Drawn{"0 10200", "10200 ms"},
                    Drawn{"4 FBFB", "X-Axis  -5"}, Drawn{"3 FB0C", "X-Axis  12"},
                    // A step of 0 reads the same under either kind digit.
                    Drawn{"3 FB00", "X-Axis  0"}, Drawn{"4 FB00", "X-Axis  0"},
                    Drawn{"5 FA02", "Y-Axis  2"}, Drawn{"6 FA80", "Y-Axis  -128"},
                    Drawn{"7 FD09", "Rep-Start  10"}, Drawn{"7 FDFF", "Rep-Start  256"},
                    Drawn{"8 00FC", "Rep-Stop"},
                    // Not event lines.
                    Drawn{"", ""}, Drawn{"9 FD09", ""}, Drawn{"1 CODE:", ""}, Drawn{"3 FBXY", ""},
                    Drawn{"7", ""}));

TEST(MacroLines, BuildEachKindOfLine) {
    EXPECT_EQ(key_line("A", kEventKeyPress, 0x04), "1 A CODE:8204");
    EXPECT_EQ(key_line("Ctrl", kEventModifierRelease, 0x01), "2 Ctrl CODE:0101");
    EXPECT_EQ(button_line(0xA1), "1 LeftKey CODE:00A1");
    EXPECT_EQ(button_line(0x28), "2 Forward CODE:0028");
    EXPECT_EQ(button_line(0xA3), std::nullopt);
    EXPECT_EQ(move_line(kEventMoveX, 0xFB), "4 FBFB");
    EXPECT_EQ(move_line(kEventMoveX, 0x0C), "3 FB0C");
    EXPECT_EQ(move_line(kEventMoveY, 0x7F), "5 FA7F");
    EXPECT_EQ(move_line(kEventMoveY, 0x80), "6 FA80");
    EXPECT_EQ(repeat_start_line(9), "7 FD09");
    EXPECT_EQ(delay_line(80), "0 80");
    EXPECT_EQ(header_line(DelayMode::no_delay, 150), "00");
    EXPECT_EQ(header_line(DelayMode::record_delay, 150), "10");
    EXPECT_EQ(header_line(DelayMode::default_delay, 150), "01150");
    EXPECT_EQ(line_kind("8 00FC"), kLineRepeatEnd);
    EXPECT_EQ(line_kind("9 00FC"), std::nullopt);
}

TEST(MacroLines, ModifiersAreNamedAfterTheirKeys) {
    EXPECT_EQ(modifier_name(0x01), "Ctrl");
    EXPECT_EQ(modifier_name(0x02), "Shift");
    EXPECT_EQ(modifier_name(0x04), "Alt");
    EXPECT_EQ(modifier_name(0x08), "Left Windows");
    EXPECT_EQ(modifier_name(0x80), "Right Windows");
    EXPECT_EQ(modifier_name(0x03), std::nullopt);
    EXPECT_EQ(modifier_name(0x10), std::nullopt);
}

}  // namespace
}  // namespace krvm
