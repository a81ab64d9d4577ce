// Range guards of the rapid-fire fields. The fields accept digits only, so text that is no
// number can only come from elsewhere; it is treated like an empty field.
#include "core/macros/rapid_fire.h"

#include "core/common/decimal.h"

#include <algorithm>
#include <limits>

namespace krvm {
namespace {

// The field's value; a run of digits too long for an int is simply too large.
std::optional<long long> field_value(std::string_view text) {
    if (auto value = parse_decimal(text)) return *value;
    bool digits =
        !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
    if (digits) return std::numeric_limits<long long>::max();
    return std::nullopt;
}

}  // namespace

std::string fire_count_text(std::string_view text) {
    auto value = field_value(text);
    if (!value) return std::to_string(kFireCountMin);
    if (*value > kFireCountMax) return std::to_string(kFireCountMax);
    return std::string(text);
}

std::string fire_count_text_on_leave(std::string_view text) {
    std::string guarded = fire_count_text(text);
    return fire_count_of_text(guarded) == kFireCountMin ? std::to_string(kFireCountMin) : guarded;
}

int fire_count_of_text(std::string_view text) {
    auto value = field_value(text);
    if (!value) return kFireCountMin;
    return static_cast<int>(std::clamp<long long>(*value, kFireCountMin, kFireCountMax));
}

std::string fire_interval_text(std::string_view text) {
    auto value = field_value(text);
    if (!value || *value < 0) return "0";
    if (*value > kFireIntervalMax) return std::to_string(kFireIntervalMax);
    return std::string(text);
}

std::uint8_t fire_interval_of_text(std::string_view text) {
    auto value = field_value(text);
    return static_cast<std::uint8_t>(std::clamp<long long>(value.value_or(0), 0, kFireIntervalMax));
}

}  // namespace krvm
