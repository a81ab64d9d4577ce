#include "core/ui/kept_texts.h"

namespace krvm {

std::string KeptTexts::text(std::string_view id) const {
    const auto it = texts.find(id);
    return it == texts.end() ? std::string() : it->second;
}

KeptTexts keep_texts(const LanguageTable& table) {
    KeptTexts kept;
    kept.font_name = table.text("FontName");
    kept.title = table.text("Title");
    for (std::string_view id : kKeptIds) kept.texts.emplace(id, table.text(id));
    return kept;
}

}  // namespace krvm
