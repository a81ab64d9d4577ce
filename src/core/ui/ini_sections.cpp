#include "core/ui/ini_sections.h"

#include <algorithm>
#include <cctype>

namespace krvm {

namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

}  // namespace

void IniSections::add_section(std::string_view name) {
    current_ = lower(name);
    sections_.try_emplace(*current_);
}

void IniSections::add_key(std::string_view key, std::string_view value) {
    if (!current_) return;
    Section& section = sections_[*current_];
    auto [it, inserted] = section.values.try_emplace(lower(key), std::string(value));
    if (inserted) section.order.emplace_back(key);
}

std::optional<std::string> IniSections::value(std::string_view section,
                                              std::string_view key) const {
    const auto s = sections_.find(lower(section));
    if (s == sections_.end()) return std::nullopt;
    const auto v = s->second.values.find(lower(key));
    if (v == s->second.values.end()) return std::nullopt;
    return v->second;
}

std::vector<std::string> IniSections::keys(std::string_view section) const {
    const auto s = sections_.find(lower(section));
    return s == sections_.end() ? std::vector<std::string>{} : s->second.order;
}

bool IniSections::has_section(std::string_view section) const {
    return sections_.contains(lower(section));
}

}  // namespace krvm
