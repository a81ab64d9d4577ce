// The engineer page's own small term table, built into the program: each term in English
// (column 0) and simplified Chinese (column 2); column 1 is empty. The engineer page picks its
// column once at start-up from the system locale and ignores the language buttons.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace krvm {

struct TTerm {
    std::uint8_t id;
    std::array<std::string_view, 3> texts;  // by engineer language 0, 1, 2
};

inline constexpr int kTermCount = 144;
inline constexpr int kLocaleChinesePrc = 2052;  // Windows locale identifier of zh-CN

std::span<const TTerm> term_records();

// `term`: the text of the record with `id` in the column of `engineer_language`, or the empty
// text when no record has that id or the language is not 0..2.
std::string_view term(int id, int engineer_language);

// 2 (simplified Chinese) for the PRC locale 2052, otherwise 0 (English).
int engineer_language_for_locale(int locale_id);

// The Windows locale identifier of a POSIX locale name such as "zh_CN.UTF-8": 2052 for
// mainland Chinese, 1028 for Taiwan, 3076 for Hong Kong, 1033 for anything else.
int locale_id_from_name(std::string_view posix_name);

// Font of the engineer page for its language.
std::string_view engineer_font(int engineer_language);

}  // namespace krvm
