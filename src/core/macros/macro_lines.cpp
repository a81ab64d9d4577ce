// Building and drawing event lines.
#include "core/macros/macro_lines.h"

#include "core/buttons/key_tables.h"
#include "core/common/hex.h"

namespace krvm {
namespace {

constexpr std::string_view kCodeMarker = " CODE:";
// " CODE:" and four hex digits end every press and release line.
constexpr std::size_t kCodeSuffixSize = kCodeMarker.size() + 4;

std::string_view press_prefix(std::uint8_t event) {
    return event & kPressBit ? "1 " : "2 ";
}

std::optional<std::string_view> button_name(std::uint8_t release_event) {
    switch (release_event) {
        case kEventLeftRelease:
            return "LeftKey";
        case kEventRightRelease:
            return "RightKey";
        case kEventMiddleRelease:
            return "MiddleKey";
        case kEventForwardRelease:
            return "Forward";
        case kEventBackwardRelease:
            return "Backward";
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string header_line(DelayMode mode, int default_delay_ms) {
    switch (mode) {
        case DelayMode::no_delay:
            return "00";
        case DelayMode::record_delay:
            return "10";
        case DelayMode::default_delay:
            return "01" + std::to_string(default_delay_ms);
    }
    return "00";
}

std::optional<LineKind> line_kind(std::string_view line) {
    if (line.empty() || line[0] < '0' || line[0] > '8') return std::nullopt;
    return static_cast<LineKind>(line[0] - '0');
}

std::string delay_line(int ms) {
    return "0 " + std::to_string(ms);
}

std::string key_line(std::string_view name, std::uint8_t event, std::uint8_t parameter) {
    std::string line(press_prefix(event));
    line += name;
    line += kCodeMarker;
    return line + hex_byte(event) + hex_byte(parameter);
}

std::optional<std::string> button_line(std::uint8_t event) {
    auto name = button_name(event & ~kPressBit);
    if (!name) return std::nullopt;
    std::string line(press_prefix(event));
    line += *name;
    line += kCodeMarker;
    return line + "00" + hex_byte(event);
}

std::string move_line(std::uint8_t axis_event, std::uint8_t step) {
    bool negative = step & 0x80;
    char kind = axis_event == kEventMoveX ? (negative ? '4' : '3') : (negative ? '6' : '5');
    return std::string{kind, ' '} + hex_byte(axis_event) + hex_byte(step);
}

std::string repeat_start_line(std::uint8_t operand) {
    return "7 " + hex_byte(kEventRepeatStart) + hex_byte(operand);
}

std::optional<std::string_view> modifier_name(std::uint8_t modifier) {
    // The modifier bits of the HID keyboard report, named after the virtual keys that give them.
    switch (modifier) {
        case 0x01:
            return key_name(key_index_of_vk(0x11));
        case 0x02:
            return key_name(key_index_of_vk(0x10));
        case 0x04:
            return key_name(key_index_of_vk(0x12));
        case 0x08:
            return key_name(key_index_of_vk(0x5B));
        case 0x80:
            return key_name(key_index_of_vk(0x5C));
        default:
            return std::nullopt;
    }
}

std::string drawn_text(std::string_view line) {
    auto kind = line_kind(line);
    if (!kind) return {};
    std::string_view rest =
        line.size() > kLineKindPrefixSize ? line.substr(kLineKindPrefixSize) : "";
    auto parameter = [&] {
        return parse_hex_byte(line.size() >= 2 ? line.substr(line.size() - 2) : "");
    };
    switch (*kind) {
        case kLineDelay:
            return std::string(rest) + " ms";
        case kLinePress:
        case kLineRelease:
            if (line.size() < kLineKindPrefixSize + kCodeSuffixSize) return {};
            return std::string(line.substr(kLineKindPrefixSize,
                                           line.size() - kLineKindPrefixSize - kCodeSuffixSize));
        case kLineMoveXPlus:
        case kLineMoveXMinus:
        case kLineMoveYPlus:
        case kLineMoveYMinus: {
            auto step = parameter();
            if (!step) return {};
            // The step is a signed byte whichever kind digit the line carries.
            bool x = *kind == kLineMoveXPlus || *kind == kLineMoveXMinus;
            return (x ? "X-Axis  " : "Y-Axis  ") + std::to_string(static_cast<std::int8_t>(*step));
        }
        case kLineRepeatStart: {
            auto operand = parameter();
            return operand ? "Rep-Start  " + std::to_string(*operand + 1) : std::string();
        }
        case kLineRepeatEnd:
            return "Rep-Stop";
    }
    return {};
}

}  // namespace krvm
