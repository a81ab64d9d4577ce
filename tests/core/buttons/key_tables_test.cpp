#include "core/buttons/key_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace krvm {
namespace {

// A pressed virtual key: the index it gives, the name shown, the usage stored and the name that
// usage reads back with.
struct PressedKey {
    int vk;
    int index;
    std::string_view name;
    std::uint8_t usage;
    std::string_view read_back;
};

class PressedKeys : public testing::TestWithParam<PressedKey> {};

TEST_P(PressedKeys, NameUsageAndReadBack) {
    const PressedKey& key = GetParam();
    int index = key_index_of_vk(key.vk);
    EXPECT_EQ(index, key.index);
    EXPECT_EQ(key_name(index), key.name);
    EXPECT_EQ(key_usage(index), key.usage);
    EXPECT_EQ(usage_name(key_usage(index)), key.read_back);
}

INSTANTIATE_TEST_SUITE_P(
    KeyTables, PressedKeys,
    testing::Values(
        PressedKey{0x41, 78, "A", 0x04, "A"},
        // Either Shift is named "Shift" but stored as the left key.
        PressedKey{0x10, 7, "Shift", 0xE1, "Left Shift"},
        PressedKey{0x11, 8, "Ctrl", 0xE0, "Left Ctrl"},
        PressedKey{0x12, 9, "Alt", 0xE2, "Left Alt"},
        PressedKey{0xA1, 73, "Right Shift", 0xE5, "Right Shift"},
        PressedKey{0x5B, 27, "Left Windows", 0xE3, "Win"},
        PressedKey{0x5C, 28, "Right Windows", 0xE7, "Win"},
        // Keys with a name but nothing the mouse can send.
        PressedKey{0xB6, 142, "Launch_App1", 0, ""}, PressedKey{0xDF, 121, "OEM_8", 0, ""},
        PressedKey{0xFF, 2, "255", 0, ""}, PressedKey{0x2A, 0, "None", 0, ""},
        PressedKey{0x92, 0, "None", 0, ""}, PressedKey{0x00, 0, "None", 0, ""},
        PressedKey{0x30, 104, "0", 0x27, "0"}, PressedKey{0x39, 113, "9", 0x26, "9"},
        PressedKey{0x60, 30, "0 (numeric pad)", 0x62, "0 (numeric pad)"},
        PressedKey{0x6C, 42, "Separator (numeric pad)", 0x58, "Separator (numeric pad)"},
        PressedKey{0x6F, 45, "Divide (numeric pad)", 0x54, "Divide (numeric pad)"},
        PressedKey{0x70, 46, "F1", 0x3A, "F1"}, PressedKey{0x7C, 58, "F13", 0x68, "F13"},
        PressedKey{0x87, 69, "F24", 0x73, "F24"}, PressedKey{0x29, 22, "Select", 0x77, "Select"},
        PressedKey{0xA6, 126, "Browser_Back", 0xCA, "Browser_Back"},
        PressedKey{0xB5, 141, "Launch_Media_Select", 0xD1, "Launch_Media_Select"},
        PressedKey{0xBA, 114, "OEM_1", 0x33, "OEM_1"},
        PressedKey{0xC0, 116, "OEM_3", 0x35, "OEM_3"},
        PressedKey{0xDE, 120, "OEM_7", 0x34, "OEM_7"}));

TEST(KeyTables, OutOfRangeInputsGiveNothing) {
    EXPECT_EQ(key_index_of_vk(-1), 0);
    EXPECT_EQ(key_index_of_vk(256), 0);
    EXPECT_EQ(key_name(143), "Launch_App2");
    EXPECT_EQ(key_name(144), "");
    EXPECT_EQ(key_name(-1), "");
    EXPECT_EQ(key_usage(144), 0);
}

TEST(KeyTables, OnlyProducedUsagesHaveNames) {
    EXPECT_EQ(usage_name(0x58), "Separator (numeric pad)");
    EXPECT_EQ(usage_name(0x32), "");
    EXPECT_EQ(usage_name(0x64), "");
    EXPECT_EQ(usage_name(0x00), "");
    EXPECT_EQ(usage_name(0xCF), "");
    EXPECT_EQ(usage_name(0xD0), "");
    // Every usage the key table produces reads back with some name.
    for (int index = 0; index < kKeyIndexCount; ++index) {
        if (key_usage(index) != 0) {
            EXPECT_NE(usage_name(key_usage(index)), "") << index;
        }
    }
}

}  // namespace
}  // namespace krvm
