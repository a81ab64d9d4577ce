#include "core/macros/macro_slot_name.h"

#include <algorithm>
#include <vector>

#include "core/ui/text_encoding.h"

namespace krvm {

bool macro_slot_named(std::span<const std::uint8_t> name) {
    return name.size() >= 2 && (name[0] != 0 || name[1] != 0);
}

std::string macro_slot_name(std::span<const std::uint8_t> name) {
    name = name.first(std::min(name.size(), kMacroNameSize));
    // Turned into little-endian text with its byte-order mark, the one UTF-16 form the language
    // tables already decode.
    std::vector<std::uint8_t> little_endian = {0xFF, 0xFE};
    for (std::size_t i = 0; i + 1 < name.size(); i += 2) {
        if (name[i] == 0 && name[i + 1] == 0) break;
        little_endian.push_back(name[i + 1]);
        little_endian.push_back(name[i]);
    }
    auto text = decode_utf16le_with_bom(little_endian);
    return text ? *text : std::string();
}

}  // namespace krvm
