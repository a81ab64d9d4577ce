#include "core/ui/input_value_guard.h"

#include <cstdint>

namespace krvm {

namespace {

struct Range {
    int low;
    int high;
};

std::optional<Range> range_of(int kind) {
    switch (kind) {
        case kInputKindXMove:
        case kInputKindYMove:
            return Range{-128, 127};
        case kInputKindRepeatStart:
            return Range{0, 255};
        default:
            return std::nullopt;
    }
}

// An optional "-" and at least one digit; the value saturates far outside every range, so a
// long run of digits cannot overflow.
std::optional<std::int64_t> parse_whole(std::string_view text) {
    constexpr std::int64_t kSaturation = 1'000'000;
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kSaturation) value = kSaturation;
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<std::string> guard_input_value(int kind, std::string_view text) {
    const std::optional<Range> range = range_of(kind);
    if (!range || text == "-") return std::nullopt;
    const std::optional<std::int64_t> value = parse_whole(text);
    if (!value) return std::string("0");
    if (*value > range->high) return std::to_string(range->high);
    if (*value < range->low) return std::to_string(range->low);
    return std::nullopt;
}

}  // namespace krvm
