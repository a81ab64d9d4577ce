// The line list: the editing form of a macro, one text line per event after a header line.
// Each event line starts with its kind digit and a blank; press and release lines end in
// " CODE:" and the event's four hex digits ("1 LeftKey CODE:00A1"). This file builds the lines,
// reads their kind and gives the text the event list draws for them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace krvm {

// Event bytes of a macro record. Bit 7 is set for a press and clear for the matching release.
constexpr std::uint8_t kPressBit = 0x80;
constexpr std::uint8_t kEventModifierPress = 0x81;  // + modifier bit
constexpr std::uint8_t kEventModifierRelease = 0x01;
constexpr std::uint8_t kEventKeyPress = 0x82;  // + HID keyboard usage
constexpr std::uint8_t kEventKeyRelease = 0x02;
constexpr std::uint8_t kEventLeftRelease = 0x21;  // buttons: press = release | kPressBit
constexpr std::uint8_t kEventRightRelease = 0x22;
constexpr std::uint8_t kEventMiddleRelease = 0x24;
constexpr std::uint8_t kEventForwardRelease = 0x28;
constexpr std::uint8_t kEventBackwardRelease = 0x30;
constexpr std::uint8_t kEventMoveY = 0xFA;  // + signed 8-bit step
constexpr std::uint8_t kEventMoveX = 0xFB;  // + signed 8-bit step
constexpr std::uint8_t kEventRepeatEnd = 0xFC;
constexpr std::uint8_t kEventRepeatStart = 0xFD;  // + n: the block runs n + 1 times
constexpr std::uint8_t kEventDelay = 0xFE;        // + d: d x 8 ms

constexpr int kDelayUnitMs = 8;
constexpr int kLongestDelayStepMs = 255 * kDelayUnitMs;  // FE FF, 2040 ms

constexpr std::size_t kLineKindPrefixSize = 2;  // the kind digit and its blank

enum LineKind : int {
    kLineDelay = 0,
    kLinePress = 1,
    kLineRelease = 2,
    kLineMoveXPlus = 3,
    kLineMoveXMinus = 4,
    kLineMoveYPlus = 5,
    kLineMoveYMinus = 6,
    kLineRepeatStart = 7,
    kLineRepeatEnd = 8,
};

// How delays were or are to be recorded; line 0 of the list says which.
enum class DelayMode { no_delay, record_delay, default_delay };

// The header line: "00", "10", or "01" followed by the default delay in milliseconds.
std::string header_line(DelayMode mode, int default_delay_ms);

// The kind digit of an event line; nothing for a line that does not start with 0 to 8.
std::optional<LineKind> line_kind(std::string_view line);

std::string delay_line(int ms);  // "0 " + ms
// A key or modifier event: "1 " or "2 " (from the event's press bit) + name + " CODE:" + bytes.
std::string key_line(std::string_view name, std::uint8_t event, std::uint8_t parameter);
// A mouse-button event ("1 LeftKey CODE:00A1"); nothing for a byte that is no button event.
std::optional<std::string> button_line(std::uint8_t event);
// A movement by a signed step along X (0xFB) or Y (0xFA): kind 3/5 for 0 to 127, 4/6 below 0.
std::string move_line(std::uint8_t axis_event, std::uint8_t step);
std::string repeat_start_line(std::uint8_t operand);  // "7 FD" + operand: runs operand + 1 times
inline constexpr std::string_view kRepeatEndLine = "8 00FC";

// Name of a modifier bit in a modifier event ("Ctrl", ..., "Right Windows"); nothing for a
// parameter that is not one of the five modifier bits.
std::optional<std::string_view> modifier_name(std::uint8_t modifier);

// The text the event list draws for an event line ("LeftKey", "80 ms", "X-Axis  -5",
// "Rep-Start  10"); empty for a line that is not an event line.
std::string drawn_text(std::string_view line);

}  // namespace krvm
