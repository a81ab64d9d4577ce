#include "core/buttons/function_codes.h"

#include "core/buttons/english_texts.h"

#include <gtest/gtest.h>

namespace krvm {
namespace {

CodeNaming english(std::optional<GunKeyTable> gun_keys = std::nullopt) {
    return {
        test::english_texts(),
        [](int slot) { return slot == 1 ? std::string("Burst") : "Macro" + std::to_string(slot); },
        gun_keys};
}

struct Named {
    std::string_view code;
    std::string_view name;
};

class CodeNames : public testing::TestWithParam<Named> {};

TEST_P(CodeNames, FollowTheRulesInOrder) {
    EXPECT_EQ(name_of_code(GetParam().code, english()), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    FunctionCodes, CodeNames,
    testing::Values(
        Named{"010100", "Left Key"}, Named{"011000", "Forward"}, Named{"000000", "Key Off"},
        // Fixed codes win over the rule of their type.
        Named{"0600F0", "Fire Key"}, Named{"020807", "Desktop"}, Named{"0300E9", "Volume +"},
        Named{"030226", "Stop"}, Named{"03022A", "Favorites"},
        // Any AIM code, whatever its parameters.
        Named{"0A0500", "AIM Key"}, Named{"0A0000", "AIM Key"}, Named{"0AFFFF", "AIM Key"},
        // Keyboard codes are built from the modifier mask and the usage name.
        Named{"020504", "Ctrl+Alt+A"}, Named{"020100", "Ctrl+"},
        Named{"020F04", "Ctrl+Shift+Alt+Win+A"}, Named{"020004", "A"},
        Named{"0208E1", "Win+Left Shift"}, Named{"020000", ""}, Named{"020032", ""},
        // Device macros by slot address, whichever release flag the code carries.
        Named{"060121", "Burst"}, Named{"0E0121", "Burst"}, Named{"060421", "Macro4"},
        Named{"060122", ""}, Named{"0E00F0", ""},
        // Without a gun key file the presets name the guns.
        Named{"0C0101", "AKM Fire"}, Named{"0C0607", "5.56mm Fire"}, Named{"0C080A", "7.62mm Fire"},
        Named{"0C0103", ""},
        // Nothing else has a name.
        Named{"0300CE", ""}, Named{"040000", ""}, Named{"0B0000", ""}, Named{"110000", ""},
        Named{"0101", ""}, Named{"01010G", ""}, Named{"0a0000", "AIM Key"}));

TEST(FunctionCodes, GunKeysNameGunsByTheirLastEqualEntry) {
    GunKeyTable keys{};
    keys[0] = {0x0C, 0x01, 0x03};
    keys[1] = {0x0C, 0x01, 0x01};
    keys[4] = {0x0C, 0x01, 0x03};
    EXPECT_EQ(name_of_code("0C0103", english(keys)), "Fire Macro5");
    EXPECT_EQ(name_of_code("0C0101", english(keys)), "Fire Macro2");
    // With the file present the presets no longer name anything.
    EXPECT_EQ(name_of_code("0C0202", english(keys)), "");
}

TEST(FunctionCodes, NamesFollowTheLanguageTable) {
    CodeNaming chinese;
    chinese.text = [](std::string_view id) {
        return id == "Str210" ? std::string("左键") : std::string();
    };
    EXPECT_EQ(name_of_code(FunctionCode{0x01, 0x01, 0x00}, chinese), "左键");
    // Key names are never translated, and a missing macro name list names nothing.
    EXPECT_EQ(name_of_code("020104", chinese), "Ctrl+A");
    EXPECT_EQ(name_of_code("060121", chinese), "");
}

struct Entry {
    int entry;
    int aim_index;
    std::string_view code;
};

class EntryCodes : public testing::TestWithParam<Entry> {};

TEST_P(EntryCodes, ProduceTheirCode) {
    EXPECT_EQ(code_for_entry(GetParam().entry, GetParam().aim_index), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(FunctionCodes, EntryCodes,
                         testing::Values(Entry{900, 0, "010100"}, Entry{1000, 0, "0600F0"},
                                         Entry{1002, 5, "0A0500"}, Entry{1002, 10, "0A0A00"},
                                         Entry{1002, 11, ""}, Entry{1002, -1, ""},
                                         Entry{1103, 0, "020807"}, Entry{1406, 0, "03022A"},
                                         Entry{2002, 0, "080000"}, Entry{905, 0, ""},
                                         Entry{1007, 0, ""}, Entry{0, 0, ""}));

TEST(FunctionCodes, EveryFixedEntryIsNamedByItsOwnName) {
    CodeNaming naming = english();
    for (const FixedCode& row : fixed_codes()) {
        std::string code = code_for_entry(row.entry, 3);
        EXPECT_EQ(name_of_code(code, naming), naming.text(row.name_id)) << row.entry;
    }
}

TEST(FunctionCodes, TextAndBytes) {
    EXPECT_EQ(code_to_bytes("0C080A"), (FunctionCode{0x0C, 0x08, 0x0A}));
    EXPECT_EQ(code_to_bytes("0c080a"), (FunctionCode{0x0C, 0x08, 0x0A}));
    EXPECT_EQ(code_to_bytes("0C080"), std::nullopt);
    EXPECT_EQ(code_to_bytes("0C080A0"), std::nullopt);
    EXPECT_EQ(code_to_bytes("0C 80A"), std::nullopt);
    EXPECT_EQ(bytes_to_code({0xAB, 0x00, 0xF0}), "AB00F0");
}

TEST(FunctionCodes, MenuCaptionsCarryTheBullet) {
    TextLookup text = test::english_texts();
    EXPECT_EQ(menu_caption(text("Str254"), text), " * Volume +");
    EXPECT_EQ(menu_caption(text(group_text_id(CodeGroup::dpi)), text), " * DPI Key");
    EXPECT_EQ(group_text_id(CodeGroup::fire_macro), "Str208");
}

}  // namespace
}  // namespace krvm
