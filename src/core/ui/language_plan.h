// `apply_language` without the widgets: which control gets which text when a language becomes
// current, in the order the window applies them. The window walks the plan and sets captions
// and drop-down items on the controls of those names.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui/kept_texts.h"
#include "core/ui/language_table.h"

namespace krvm {

struct CaptionChange {
    std::string control;
    std::string text;
};

struct ItemsChange {
    std::string control;
    std::vector<std::string> items;
};

struct LanguagePlan {
    KeptTexts kept;                       // FontName and Title first, then the kept texts
    std::vector<CaptionChange> captions;  // page bars, key labels, menus, macro and fire pages
    std::vector<ItemsChange> items;       // the insert drop-downs
};

// The caption a control shows now, or nothing when the window has no such control.
using CaptionReader = std::function<std::optional<std::string>(std::string_view control)>;

// Builds the plan for `table`. Key labels Key1..Key9 keep their caption unless `find_id` over
// `all_tables` recognises it; then they take that identifier's text in `table`.
LanguagePlan plan_language(const LanguageTable& table, std::span<const LanguageTable> all_tables,
                           const CaptionReader& current_caption);

}  // namespace krvm
