// Conversions between a function code's bytes and its six-digit text.
#include "core/buttons/function_code.h"

#include "core/common/hex.h"

namespace krvm {

std::optional<FunctionCode> code_to_bytes(std::string_view text) {
    if (text.size() != 6) return std::nullopt;
    FunctionCode code{};
    for (std::size_t i = 0; i < code.size(); ++i) {
        auto byte = parse_hex_byte(text.substr(2 * i, 2));
        if (!byte) return std::nullopt;
        code[i] = *byte;
    }
    return code;
}

std::string bytes_to_code(const FunctionCode& code) {
    return hex_byte(code[0]) + hex_byte(code[1]) + hex_byte(code[2]);
}

}  // namespace krvm
