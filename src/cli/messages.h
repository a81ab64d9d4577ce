// Every message the command-line tool shows a person goes through here, by the string identifier
// of the language tables ("Str102"). Until the language tables are connected, every language
// speaks English.
#pragma once

#include <string>
#include <string_view>

namespace krvm::cli {

constexpr int kEnglish = 3;

// The text of `id` in `language` (1 simplified Chinese, 2 traditional Chinese, 3 English).
std::string message_text(std::string_view id, int language = kEnglish);

}  // namespace krvm::cli
