#include "cli/messages.h"

#include <cstdio>

#include "core/ui/language_table.h"

namespace krvm::cli {

std::string message_text(std::string_view id, int language) {
    if (!is_language(language)) language = kEnglish;
    const LanguageTable& table = embedded_tables()[language - 1];
    return table.find(id).value_or(std::string(id));
}

void print_message(std::string_view id, int language) {
    std::string text = message_text(id, language);
    if (!text.empty()) std::fprintf(stderr, "%s\n", text.c_str());
}

}  // namespace krvm::cli
