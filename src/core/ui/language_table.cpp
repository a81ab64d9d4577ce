#include "core/ui/language_table.h"

#include <array>
#include <memory>

#include "core/resources/embedded.h"
#include "core/ui/text_encoding.h"

namespace krvm {

namespace {

constexpr int kLastSearchedId = 700;

bool is_separator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string section_of(int language) {
    return "lang" + std::to_string(language);
}

void add_entry(IniSections& ini, const std::string& entry) {
    if (entry.size() >= 2 && entry.front() == '[' && entry.back() == ']') {
        ini.add_section(std::string_view(entry).substr(1, entry.size() - 2));
        return;
    }
    const auto eq = entry.find('=');
    if (eq == std::string::npos) return;
    ini.add_key(std::string_view(entry).substr(0, eq), std::string_view(entry).substr(eq + 1));
}

}  // namespace

IniSections parse_quoted_entries(std::string_view text) {
    IniSections ini;
    std::string entry;
    bool quoted = false;
    bool in_entry = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            in_entry = true;
        } else if (!quoted && is_separator(c)) {
            if (in_entry) add_entry(ini, entry);
            entry.clear();
            in_entry = false;
        } else {
            entry += c;
            in_entry = true;
        }
    }
    if (in_entry) add_entry(ini, entry);
    return ini;
}

LanguageTable::LanguageTable(int language, IniSections sections)
    : language_(language), section_(section_of(language)), sections_(std::move(sections)) {}

std::string LanguageTable::text(std::string_view key) const {
    return find(key).value_or("");
}

std::optional<std::string> LanguageTable::find(std::string_view key) const {
    return sections_.value(section_, key);
}

std::vector<std::string> LanguageTable::keys() const {
    return sections_.keys(section_);
}

Result<LanguageTable> parse_language_table(std::span<const std::uint8_t> bytes, int language) {
    if (!is_language(language)) {
        return Error{"no language table " + std::to_string(language)};
    }
    Result<std::string> text = decode_utf16le_with_bom(bytes);
    if (!text)
        return Error{"language table " + std::to_string(language) + ": " + text.error().message};
    return LanguageTable(language, parse_quoted_entries(*text));
}

Result<LanguageTable> load_table(int language) {
    if (!is_language(language)) {
        return Error{"no language table " + std::to_string(language)};
    }
    const std::string name = "LANG" + std::to_string(language);
    const auto bytes = resources::find(name);
    if (!bytes) return Error{"the embedded resource " + name + " is missing"};
    return parse_language_table(*bytes, language);
}

std::span<const LanguageTable> embedded_tables() {
    static const std::array<LanguageTable, 3> tables = [] {
        auto get = [](int language) {
            Result<LanguageTable> table = load_table(language);
            return table ? *table : LanguageTable(language, IniSections{});
        };
        return std::array<LanguageTable, 3>{get(1), get(2), get(3)};
    }();
    return tables;
}

std::optional<std::string> find_id(std::string_view text, std::span<const LanguageTable> tables) {
    std::optional<std::string> found;
    for (const LanguageTable& table : tables) {
        for (int n = 0; n <= kLastSearchedId; ++n) {
            const std::string key = "Str" + std::to_string(n);
            if (table.find(key) == text) found = key;
        }
    }
    return found;
}

std::optional<std::string> find_id(std::string_view text) {
    return find_id(text, embedded_tables());
}

TextLookup text_lookup(int language) {
    if (!is_language(language)) {
        return [](std::string_view) { return std::string(); };
    }
    const LanguageTable* table = &embedded_tables()[language - 1];
    return [table](std::string_view id) { return table->text(id); };
}

}  // namespace krvm
