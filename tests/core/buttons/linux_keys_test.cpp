#include "core/buttons/linux_keys.h"

#include "core/buttons/key_tables.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

namespace krvm {
namespace {

struct LinuxKey {
    std::uint32_t evdev;
    std::uint8_t merged;  // as the key-entry dialogs see it
    std::uint8_t kept;    // where sides are kept
    std::string_view name;
};

class LinuxKeys : public testing::TestWithParam<LinuxKey> {};

TEST_P(LinuxKeys, GiveTheVirtualKeyOfTheirPosition) {
    const LinuxKey& key = GetParam();
    EXPECT_EQ(vk_of_evdev(key.evdev, KeySides::merged), key.merged);
    EXPECT_EQ(vk_of_evdev(key.evdev, KeySides::kept), key.kept);
    // X11 and Wayland report the same key as evdev code + 8.
    EXPECT_EQ(vk_of_x11_keycode(key.evdev + 8, KeySides::kept), key.kept);
    EXPECT_EQ(key_name(key_index_of_vk(key.merged)), key.name);
}

INSTANTIATE_TEST_SUITE_P(
    LinuxKeys, LinuxKeys,
    testing::Values(
        // By position: the key at the A position is A whatever layout labels it.
        LinuxKey{KEY_A, 0x41, 0x41, "A"}, LinuxKey{KEY_Q, 0x51, 0x51, "Q"},
        LinuxKey{KEY_Z, 0x5A, 0x5A, "Z"}, LinuxKey{KEY_M, 0x4D, 0x4D, "M"},
        LinuxKey{KEY_0, 0x30, 0x30, "0"}, LinuxKey{KEY_1, 0x31, 0x31, "1"},
        LinuxKey{KEY_LEFTSHIFT, 0x10, 0xA0, "Shift"}, LinuxKey{KEY_RIGHTSHIFT, 0x10, 0xA1, "Shift"},
        LinuxKey{KEY_LEFTCTRL, 0x11, 0xA2, "Ctrl"}, LinuxKey{KEY_RIGHTCTRL, 0x11, 0xA3, "Ctrl"},
        LinuxKey{KEY_LEFTALT, 0x12, 0xA4, "Alt"}, LinuxKey{KEY_RIGHTALT, 0x12, 0xA5, "Alt"},
        LinuxKey{KEY_LEFTMETA, 0x5B, 0x5B, "Left Windows"},
        LinuxKey{KEY_RIGHTMETA, 0x5C, 0x5C, "Right Windows"},
        LinuxKey{KEY_COMPOSE, 0x5D, 0x5D, "Applications"},
        LinuxKey{KEY_KP0, 0x60, 0x60, "0 (numeric pad)"},
        LinuxKey{KEY_KP7, 0x67, 0x67, "7 (numeric pad)"},
        LinuxKey{KEY_KPASTERISK, 0x6A, 0x6A, "Multiply (numeric pad)"},
        LinuxKey{KEY_KPPLUS, 0x6B, 0x6B, "Add (numeric pad)"},
        LinuxKey{KEY_KPMINUS, 0x6D, 0x6D, "Subtract (numeric pad)"},
        LinuxKey{KEY_KPDOT, 0x6E, 0x6E, "Decimal (numeric pad)"},
        LinuxKey{KEY_KPSLASH, 0x6F, 0x6F, "Divide (numeric pad)"},
        LinuxKey{KEY_KPENTER, 0x0D, 0x0D, "Enter"}, LinuxKey{KEY_NUMLOCK, 0x90, 0x90, "Num Lock"},
        LinuxKey{KEY_LEFT, 0x25, 0x25, "Left Arrow"}, LinuxKey{KEY_UP, 0x26, 0x26, "Up Arrow"},
        LinuxKey{KEY_RIGHT, 0x27, 0x27, "Right Arrow"},
        LinuxKey{KEY_DOWN, 0x28, 0x28, "Down Arrow"}, LinuxKey{KEY_HOME, 0x24, 0x24, "Home"},
        LinuxKey{KEY_PAGEDOWN, 0x22, 0x22, "Page Down"}, LinuxKey{KEY_F1, 0x70, 0x70, "F1"},
        LinuxKey{KEY_F12, 0x7B, 0x7B, "F12"}, LinuxKey{KEY_F13, 0x7C, 0x7C, "F13"},
        LinuxKey{KEY_F24, 0x87, 0x87, "F24"}, LinuxKey{KEY_SYSRQ, 0x2C, 0x2C, "Print Screen"},
        LinuxKey{KEY_PAUSE, 0x13, 0x13, "Pause"}, LinuxKey{KEY_SEMICOLON, 0xBA, 0xBA, "OEM_1"},
        LinuxKey{KEY_GRAVE, 0xC0, 0xC0, "OEM_3"}, LinuxKey{KEY_EQUAL, 0xBB, 0xBB, "OEM_Plus"},
        LinuxKey{KEY_102ND, 0xE2, 0xE2, "None"},  // known to Windows, not to the key table
        LinuxKey{KEY_MUTE, 0xAD, 0xAD, "Volume_Mute"},
        LinuxKey{KEY_PLAYPAUSE, 0xB3, 0xB3, "Media_Play_Pause"},
        LinuxKey{KEY_BACK, 0xA6, 0xA6, "Browser_Back"},
        LinuxKey{KEY_CALC, 0xB7, 0xB7, "Launch_App2"}, LinuxKey{KEY_CLEAR, 0x0C, 0x0C, "Clear"},
        LinuxKey{KEY_SELECT, 0x29, 0x29, "Select"},
        // Keys without a virtual-key code.
        LinuxKey{KEY_RESERVED, 0xFF, 0xFF, "255"}, LinuxKey{KEY_POWER, 0xFF, 0xFF, "255"},
        LinuxKey{KEY_MAX, 0xFF, 0xFF, "255"}));

TEST(LinuxKeys, KeycodesBelowTheX11OffsetAreNoKeys) {
    EXPECT_EQ(vk_of_x11_keycode(0, KeySides::kept), kNoVirtualKey);
    EXPECT_EQ(vk_of_x11_keycode(7, KeySides::kept), kNoVirtualKey);
    EXPECT_EQ(vk_of_x11_keycode(38, KeySides::merged), 0x41);  // X11's keycode of the A position
}

}  // namespace
}  // namespace krvm
