// The evdev key code to virtual-key table, for the keys of a PC keyboard as a US layout names
// their positions. Evdev names are given beside the numbers so the table can be checked against
// linux/input-event-codes.h; the core does not include that header.
#include "core/buttons/linux_keys.h"

#include <array>

namespace krvm {
namespace {

struct EvdevKey {
    std::uint16_t evdev;
    std::uint8_t vk;  // left and right modifiers with their sided codes
};

constexpr EvdevKey kEvdevKeys[] = {
    {1, 0x1B},      // ESC
    {2, 0x31},      // 1
    {3, 0x32},      // 2
    {4, 0x33},      // 3
    {5, 0x34},      // 4
    {6, 0x35},      // 5
    {7, 0x36},      // 6
    {8, 0x37},      // 7
    {9, 0x38},      // 8
    {10, 0x39},     // 9
    {11, 0x30},     // 0
    {12, 0xBD},     // MINUS: OEM_Minus
    {13, 0xBB},     // EQUAL: OEM_Plus
    {14, 0x08},     // BACKSPACE
    {15, 0x09},     // TAB
    {16, 0x51},     // Q
    {17, 0x57},     // W
    {18, 0x45},     // E
    {19, 0x52},     // R
    {20, 0x54},     // T
    {21, 0x59},     // Y
    {22, 0x55},     // U
    {23, 0x49},     // I
    {24, 0x4F},     // O
    {25, 0x50},     // P
    {26, 0xDB},     // LEFTBRACE: OEM_4
    {27, 0xDD},     // RIGHTBRACE: OEM_6
    {28, 0x0D},     // ENTER
    {29, 0xA2},     // LEFTCTRL
    {30, 0x41},     // A
    {31, 0x53},     // S
    {32, 0x44},     // D
    {33, 0x46},     // F
    {34, 0x47},     // G
    {35, 0x48},     // H
    {36, 0x4A},     // J
    {37, 0x4B},     // K
    {38, 0x4C},     // L
    {39, 0xBA},     // SEMICOLON: OEM_1
    {40, 0xDE},     // APOSTROPHE: OEM_7
    {41, 0xC0},     // GRAVE: OEM_3
    {42, 0xA0},     // LEFTSHIFT
    {43, 0xDC},     // BACKSLASH: OEM_5
    {44, 0x5A},     // Z
    {45, 0x58},     // X
    {46, 0x43},     // C
    {47, 0x56},     // V
    {48, 0x42},     // B
    {49, 0x4E},     // N
    {50, 0x4D},     // M
    {51, 0xBC},     // COMMA: OEM_Comma
    {52, 0xBE},     // DOT: OEM_Period
    {53, 0xBF},     // SLASH: OEM_2
    {54, 0xA1},     // RIGHTSHIFT
    {55, 0x6A},     // KPASTERISK
    {56, 0xA4},     // LEFTALT
    {57, 0x20},     // SPACE
    {58, 0x14},     // CAPSLOCK
    {59, 0x70},     // F1
    {60, 0x71},     // F2
    {61, 0x72},     // F3
    {62, 0x73},     // F4
    {63, 0x74},     // F5
    {64, 0x75},     // F6
    {65, 0x76},     // F7
    {66, 0x77},     // F8
    {67, 0x78},     // F9
    {68, 0x79},     // F10
    {69, 0x90},     // NUMLOCK
    {70, 0x91},     // SCROLLLOCK
    {71, 0x67},     // KP7
    {72, 0x68},     // KP8
    {73, 0x69},     // KP9
    {74, 0x6D},     // KPMINUS
    {75, 0x64},     // KP4
    {76, 0x65},     // KP5
    {77, 0x66},     // KP6
    {78, 0x6B},     // KPPLUS
    {79, 0x61},     // KP1
    {80, 0x62},     // KP2
    {81, 0x63},     // KP3
    {82, 0x60},     // KP0
    {83, 0x6E},     // KPDOT
    {86, 0xE2},     // 102ND: the extra key of ISO keyboards (OEM_102)
    {87, 0x7A},     // F11
    {88, 0x7B},     // F12
    {96, 0x0D},     // KPENTER
    {97, 0xA3},     // RIGHTCTRL
    {98, 0x6F},     // KPSLASH
    {99, 0x2C},     // SYSRQ: Print Screen
    {100, 0xA5},    // RIGHTALT
    {102, 0x24},    // HOME
    {103, 0x26},    // UP
    {104, 0x21},    // PAGEUP
    {105, 0x25},    // LEFT
    {106, 0x27},    // RIGHT
    {107, 0x23},    // END
    {108, 0x28},    // DOWN
    {109, 0x22},    // PAGEDOWN
    {110, 0x2D},    // INSERT
    {111, 0x2E},    // DELETE
    {113, 0xAD},    // MUTE
    {114, 0xAE},    // VOLUMEDOWN
    {115, 0xAF},    // VOLUMEUP
    {119, 0x13},    // PAUSE
    {121, 0x6C},    // KPCOMMA: Separator
    {125, 0x5B},    // LEFTMETA
    {126, 0x5C},    // RIGHTMETA
    {127, 0x5D},    // COMPOSE: Applications
    {128, 0xA9},    // STOP (AC Stop): Browser_Stop
    {138, 0x2F},    // HELP
    {139, 0x5D},    // MENU: Applications
    {140, 0xB7},    // CALC: Launch_App2
    {144, 0xB6},    // FILE (AL Local Machine Browser): Launch_App1
    {155, 0xB4},    // MAIL: Launch_Mail
    {156, 0xAB},    // BOOKMARKS: Browser_Favorites
    {157, 0xB6},    // COMPUTER: Launch_App1
    {158, 0xA6},    // BACK: Browser_Back
    {159, 0xA7},    // FORWARD: Browser_Forward
    {163, 0xB0},    // NEXTSONG
    {164, 0xB3},    // PLAYPAUSE
    {165, 0xB1},    // PREVIOUSSONG
    {166, 0xB2},    // STOPCD: Media_Stop
    {171, 0xB5},    // CONFIG (AL Consumer Control Configuration): Launch_Media_Select
    {172, 0xAC},    // HOMEPAGE: Browser_Home
    {173, 0xA8},    // REFRESH: Browser_Refresh
    {183, 0x7C},    // F13
    {184, 0x7D},    // F14
    {185, 0x7E},    // F15
    {186, 0x7F},    // F16
    {187, 0x80},    // F17
    {188, 0x81},    // F18
    {189, 0x82},    // F19
    {190, 0x83},    // F20
    {191, 0x84},    // F21
    {192, 0x85},    // F22
    {193, 0x86},    // F23
    {194, 0x87},    // F24
    {217, 0xAA},    // SEARCH: Browser_Search
    {226, 0xB5},    // MEDIA: Launch_Media_Select
    {0x161, 0x29},  // SELECT
    {0x163, 0x0C},  // CLEAR
};

constexpr std::size_t kTableSize = 0x164;

constexpr std::array<std::uint8_t, kTableSize> make_table() {
    std::array<std::uint8_t, kTableSize> table{};
    table.fill(kNoVirtualKey);
    for (const EvdevKey& key : kEvdevKeys) table[key.evdev] = key.vk;
    return table;
}

constexpr auto kEvdevToVk = make_table();
static_assert(kEvdevToVk[30] == 0x41 && kEvdevToVk[42] == 0xA0 && kEvdevToVk[0] == kNoVirtualKey);

// The side-less code of a sided modifier.
std::uint8_t merge_sides(std::uint8_t vk) {
    switch (vk) {
        case 0xA0:
        case 0xA1:
            return 0x10;
        case 0xA2:
        case 0xA3:
            return 0x11;
        case 0xA4:
        case 0xA5:
            return 0x12;
        default:
            return vk;
    }
}

constexpr std::uint32_t kX11KeycodeOffset = 8;

}  // namespace

std::uint8_t vk_of_evdev(std::uint32_t evdev_code, KeySides sides) {
    if (evdev_code >= kTableSize) return kNoVirtualKey;
    std::uint8_t vk = kEvdevToVk[evdev_code];
    return sides == KeySides::merged ? merge_sides(vk) : vk;
}

std::uint8_t vk_of_x11_keycode(std::uint32_t keycode, KeySides sides) {
    if (keycode < kX11KeycodeOffset) return kNoVirtualKey;
    return vk_of_evdev(keycode - kX11KeycodeOffset, sides);
}

}  // namespace krvm
