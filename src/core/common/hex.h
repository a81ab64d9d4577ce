// Bytes as upper-case hexadecimal text, two digits per byte: the form in which function codes
// and macro events travel through the tool.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace krvm {

inline std::string hex_byte(std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

// Two hexadecimal digits (either case) as a byte; nothing for any other text.
inline std::optional<std::uint8_t> parse_hex_byte(std::string_view text) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    if (text.size() != 2) return std::nullopt;
    int high = digit(text[0]), low = digit(text[1]);
    if (high < 0 || low < 0) return std::nullopt;
    return static_cast<std::uint8_t>(high << 4 | low);
}

}  // namespace krvm
