// Whole decimal numbers typed by the user or kept in text form (delays, counts).
#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace krvm {

// The text as a decimal integer with an optional leading minus; nothing when the text is empty,
// holds anything else, or does not fit an int.
inline std::optional<int> parse_decimal(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace krvm
