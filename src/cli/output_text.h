// Texts from an image (macro names a foreign file may fill with anything) made safe for the
// two outputs: JSON strings with every control character escaped, and terminal lines in which
// a control character cannot move the cursor or start an escape sequence.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace krvm::cli {

// `text` (UTF-8) as a JSON string literal, quotes included.
inline std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// `text` with every control character shown as '?'.
inline std::string printable(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = '?';
    }
    return out;
}

}  // namespace krvm::cli
