#include "core/ui/layout.h"

#include <algorithm>

#include "core/resources/embedded.h"
#include "core/ui/language_table.h"
#include "core/ui/layout_ini.h"

namespace krvm {

Layout::Layout(int language, IniSections ini)
    : language_(language), section_("org" + std::to_string(language)), ini_(std::move(ini)) {}

int Layout::value(std::string_view key) const {
    read_.emplace(key);
    const std::optional<std::string> text = ini_.value(section_, key);
    const std::optional<int> number = text ? parse_layout_number(*text) : std::nullopt;
    if (!number) faulty_.emplace(key);
    return number.value_or(0);
}

Rgb Layout::colour(std::string_view prefix) const {
    auto part = [&](std::string_view c) {
        return std::clamp(value(std::string(prefix) + std::string(c)), 0, 255);
    };
    return Rgb{part("R"), part("G"), part("B")};
}

std::vector<std::string> Layout::keys() const {
    return ini_.keys(section_);
}

Result<Layout> parse_layout(std::span<const std::uint8_t> bytes, int language) {
    if (!is_language(language)) return Error{"no layout " + std::to_string(language)};
    Result<IniSections> ini = parse_layout_resource(bytes);
    if (!ini) return ini.error();
    return Layout(language, std::move(*ini));
}

Result<Layout> load_layout(int language) {
    if (!is_language(language)) return Error{"no layout " + std::to_string(language)};
    const std::string name = "ORG" + std::to_string(language);
    const auto bytes = resources::find(name);
    if (!bytes) return Error{"the embedded resource " + name + " is missing"};
    Result<Layout> layout = parse_layout(*bytes, language);
    if (!layout) return Error{name + ": " + layout.error().message};
    return layout;
}

}  // namespace krvm
