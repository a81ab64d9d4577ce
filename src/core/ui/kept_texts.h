// The texts the window keeps after each language load: its font and title, and the texts that
// later messages and captions need, so that a message box always speaks the current language.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "core/ui/language_table.h"

namespace krvm {

// The identifiers kept besides `FontName` and `Title`.
inline constexpr std::array<std::string_view, 36> kKeptIds = {
    "Str020", "Str100", "Str101", "Str102", "Str103", "Str104", "Str105", "Str106", "Str107",
    "Str108", "Str109", "Str210", "Str222", "Str300", "Str301", "Str302", "Str303", "Str304",
    "Str305", "Str306", "Str307", "Str308", "Str309", "Str310", "Str400", "Str401", "Str420",
    "Str421", "Str430", "Str600", "Str601", "Str602", "Str603", "Str604", "Str605", "Str606",
};

struct KeptTexts {
    std::string font_name;
    std::string title;
    std::map<std::string, std::string, std::less<>> texts;

    // A kept text; the empty text for an identifier that is not kept or not in the table.
    std::string text(std::string_view id) const;
};

KeptTexts keep_texts(const LanguageTable& table);

}  // namespace krvm
