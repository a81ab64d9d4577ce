// The key tables as data. The usages 0xC0 to 0xD1 of the browser, volume, media and launch keys
// are this mouse's own codes inside keyboard events, not the keypad usages of the same numbers.
#include "core/buttons/key_tables.h"

#include <array>

namespace krvm {
namespace {

struct Key {
    std::string_view name;
    std::uint8_t usage;
};

constexpr std::array<Key, kKeyIndexCount> kKeys{{
    {"None", 0},
    {"Demo", 0},
    {"255", 0},
    {"Backspace", 0x2A},
    {"Tab", 0x2B},
    {"Clear", 0x9C},
    {"Enter", 0x28},
    {"Shift", 0xE1},  // either side: stored as the left key
    {"Ctrl", 0xE0},
    {"Alt", 0xE2},
    {"Pause", 0x48},
    {"Caps Lock", 0x39},
    {"Esc", 0x29},
    {"Space bar", 0x2C},
    {"Page Up", 0x4B},
    {"Page Down", 0x4E},
    {"End", 0x4D},
    {"Home", 0x4A},
    {"Left Arrow", 0x50},
    {"Up Arrow", 0x52},
    {"Right Arrow", 0x4F},
    {"Down Arrow", 0x51},
    {"Select", 0x77},
    {"Print Screen", 0x46},
    {"Insert", 0x49},
    {"Delete", 0x4C},
    {"Help", 0x75},
    {"Left Windows", 0xE3},
    {"Right Windows", 0xE7},
    {"Applications", 0x65},
    {"0 (numeric pad)", 0x62},
    {"1 (numeric pad)", 0x59},
    {"2 (numeric pad)", 0x5A},
    {"3 (numeric pad)", 0x5B},
    {"4 (numeric pad)", 0x5C},
    {"5 (numeric pad)", 0x5D},
    {"6 (numeric pad)", 0x5E},
    {"7 (numeric pad)", 0x5F},
    {"8 (numeric pad)", 0x60},
    {"9 (numeric pad)", 0x61},
    {"Multiply (numeric pad)", 0x55},
    {"Add (numeric pad)", 0x57},
    {"Separator (numeric pad)", 0x58},
    {"Subtract (numeric pad)", 0x56},
    {"Decimal (numeric pad)", 0x63},
    {"Divide (numeric pad)", 0x54},
    {"F1", 0x3A},
    {"F2", 0x3B},
    {"F3", 0x3C},
    {"F4", 0x3D},
    {"F5", 0x3E},
    {"F6", 0x3F},
    {"F7", 0x40},
    {"F8", 0x41},
    {"F9", 0x42},
    {"F10", 0x43},
    {"F11", 0x44},
    {"F12", 0x45},
    {"F13", 0x68},
    {"F14", 0x69},
    {"F15", 0x6A},
    {"F16", 0x6B},
    {"F17", 0x6C},
    {"F18", 0x6D},
    {"F19", 0x6E},
    {"F20", 0x6F},
    {"F21", 0x70},
    {"F22", 0x71},
    {"F23", 0x72},
    {"F24", 0x73},
    {"Num Lock", 0x53},
    {"Scroll Lock", 0x47},
    {"Left Shift", 0xE1},
    {"Right Shift", 0xE5},
    {"Left Ctrl", 0xE0},
    {"Right Ctrl", 0xE4},
    {"Left Alt", 0xE2},
    {"Right Alt", 0xE6},
    {"A", 0x04},
    {"B", 0x05},
    {"C", 0x06},
    {"D", 0x07},
    {"E", 0x08},
    {"F", 0x09},
    {"G", 0x0A},
    {"H", 0x0B},
    {"I", 0x0C},
    {"J", 0x0D},
    {"K", 0x0E},
    {"L", 0x0F},
    {"M", 0x10},
    {"N", 0x11},
    {"O", 0x12},
    {"P", 0x13},
    {"Q", 0x14},
    {"R", 0x15},
    {"S", 0x16},
    {"T", 0x17},
    {"U", 0x18},
    {"V", 0x19},
    {"W", 0x1A},
    {"X", 0x1B},
    {"Y", 0x1C},
    {"Z", 0x1D},
    {"0", 0x27},
    {"1", 0x1E},
    {"2", 0x1F},
    {"3", 0x20},
    {"4", 0x21},
    {"5", 0x22},
    {"6", 0x23},
    {"7", 0x24},
    {"8", 0x25},
    {"9", 0x26},
    {"OEM_1", 0x33},
    {"OEM_2", 0x38},
    {"OEM_3", 0x35},
    {"OEM_4", 0x2F},
    {"OEM_5", 0x31},
    {"OEM_6", 0x30},
    {"OEM_7", 0x34},
    {"OEM_8", 0},
    {"OEM_Plus", 0x2E},
    {"OEM_Comma", 0x36},
    {"OEM_Minus", 0x2D},
    {"OEM_Period", 0x37},
    {"Browser_Back", 0xCA},
    {"Browser_Forward", 0xCB},
    {"Browser_Refresh", 0xCD},
    {"Browser_Stop", 0xCC},
    {"Browser_Search", 0xC8},
    {"Browser_Favorites", 0xCE},
    {"Browser_Home", 0xC9},
    {"Volume_Mute", 0xC4},
    {"Volume_Down", 0xC6},
    {"Volume_Up", 0xC5},
    {"Media_Next_Track", 0xC0},
    {"Media_Prev_Track", 0xC1},
    {"Media_Stop", 0xC2},
    {"Media_Play_Pause", 0xC3},
    {"Launch_Mail", 0xC7},
    {"Launch_Media_Select", 0xD1},
    {"Launch_App1", 0},
    {"Launch_App2", 0},
}};

// Runs of consecutive virtual-key codes that map to consecutive key indices.
struct VkRun {
    int first_vk;
    int last_vk;
    int first_index;
};

constexpr VkRun kVkRuns[] = {
    {0x08, 0x09, 3},   {0x0C, 0x0D, 5},   {0x10, 0x14, 7},   {0x1B, 0x1B, 12},  {0x20, 0x29, 13},
    {0x2C, 0x2F, 23},  {0x30, 0x39, 104}, {0x41, 0x5A, 78},  {0x5B, 0x5D, 27},  {0x60, 0x69, 30},
    {0x6A, 0x6F, 40},  {0x70, 0x87, 46},  {0x90, 0x91, 70},  {0xA0, 0xA5, 72},  {0xA6, 0xB7, 126},
    {0xBA, 0xBA, 114}, {0xBB, 0xBE, 122}, {0xBF, 0xC0, 115}, {0xDB, 0xDF, 117}, {0xFF, 0xFF, 2},
};

constexpr std::array<std::uint8_t, 256> make_vk_table() {
    std::array<std::uint8_t, 256> table{};
    for (const VkRun& run : kVkRuns)
        for (int vk = run.first_vk; vk <= run.last_vk; ++vk)
            table[vk] = static_cast<std::uint8_t>(run.first_index + vk - run.first_vk);
    return table;
}

constexpr auto kVkToIndex = make_vk_table();
static_assert(kVkToIndex[0x41] == 78 && kVkToIndex[0xB7] == 143 && kVkToIndex[0xDF] == 121);

// A stored usage reads back with the name of the key that produces it, except that the
// side-less Shift, Ctrl and Alt read back as their left keys and both Windows keys as "Win".
constexpr std::array<std::string_view, 256> make_usage_names() {
    std::array<std::string_view, 256> names{};
    for (const Key& key : kKeys)
        if (key.usage != 0 && names[key.usage].empty()) names[key.usage] = key.name;
    names[0xE0] = "Left Ctrl";
    names[0xE1] = "Left Shift";
    names[0xE2] = "Left Alt";
    names[0xE3] = "Win";
    names[0xE7] = "Win";
    return names;
}

constexpr auto kUsageNames = make_usage_names();
static_assert(kUsageNames[0xCA] == "Browser_Back" && kUsageNames[0x32].empty());

}  // namespace

int key_index_of_vk(int vk) {
    if (vk < 0 || vk > 255) return 0;
    return kVkToIndex[vk];
}

std::string_view key_name(int key_index) {
    if (key_index < 0 || key_index >= kKeyIndexCount) return {};
    return kKeys[key_index].name;
}

std::uint8_t key_usage(int key_index) {
    if (key_index < 0 || key_index >= kKeyIndexCount) return 0;
    return kKeys[key_index].usage;
}

std::string_view usage_name(std::uint8_t usage) {
    return kUsageNames[usage];
}

}  // namespace krvm
