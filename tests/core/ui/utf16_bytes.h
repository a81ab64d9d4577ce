// Test helper: the bytes of a UTF-8 text as a language table resource would hold it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace krvm::testing {

// UTF-16LE with byte-order mark; `bom` false leaves the mark out.
inline std::vector<std::uint8_t> utf16_bytes(std::u16string_view text, bool bom = true) {
    std::vector<std::uint8_t> bytes;
    if (bom) bytes = {0xFF, 0xFE};
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return bytes;
}

}  // namespace krvm::testing
