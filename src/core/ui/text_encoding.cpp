#include "core/ui/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace krvm {

namespace {

constexpr std::uint8_t kBomLow = 0xFF;
constexpr std::uint8_t kBomHigh = 0xFE;
constexpr char32_t kReplacement = 0xFFFD;

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool is_high_surrogate(char32_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool is_low_surrogate(char32_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

}  // namespace

Result<std::string> decode_utf16le_with_bom(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 2 || bytes[0] != kBomLow || bytes[1] != kBomHigh) {
        return Error{"text does not begin with the UTF-16LE byte-order mark FF FE"};
    }
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = (bytes.size() - 2) / 2;
    auto unit_at = [&](std::size_t i) -> char32_t {
        return static_cast<char32_t>(bytes[2 + 2 * i] | (bytes[3 + 2 * i] << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t u = unit_at(i);
        if (is_high_surrogate(u) && i + 1 < units && is_low_surrogate(unit_at(i + 1))) {
            append_utf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit_at(i + 1) - 0xDC00));
            ++i;
        } else if (is_high_surrogate(u) || is_low_surrogate(u)) {
            append_utf8(out, kReplacement);
        } else {
            append_utf8(out, u);
        }
    }
    return out;
}

Result<std::string> decode_cp936(std::span<const std::uint8_t> bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP936");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return Error{std::string("code page 936 is not available: ") + std::strerror(errno)};
    }
    std::string in(bytes.begin(), bytes.end());
    // A GBK character of two bytes becomes at most three UTF-8 bytes, a single byte at most two.
    std::string out(in.size() * 2 + 4, '\0');
    char* src = in.data();
    std::size_t src_left = in.size();
    char* dst = out.data();
    std::size_t dst_left = out.size();
    const std::size_t done = iconv(cd, &src, &src_left, &dst, &dst_left);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1)) {
        return Error{"text is not valid code page 936 at byte " +
                     std::to_string(in.size() - src_left)};
    }
    out.resize(out.size() - dst_left);
    return out;
}

}  // namespace krvm
