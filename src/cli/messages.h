// Every message the command-line tool shows a person goes through here, by the string identifier
// of the language tables ("Str102"), in the language chosen with --lang.
#pragma once

#include <string>
#include <string_view>

namespace krvm::cli {

constexpr int kEnglish = 3;

// The text of `id` in the embedded table of `language` (1 simplified Chinese, 2 traditional
// Chinese, 3 English; any other number speaks English), as UTF-8. A text the table holds empty
// stays empty (LANG1 has no Str101); an identifier the table lacks shows itself, never nothing.
std::string message_text(std::string_view id, int language = kEnglish);

// The message on its own line on stderr; an empty text prints nothing, not a blank line.
void print_message(std::string_view id, int language);

}  // namespace krvm::cli
