// The language tables: every text of the window in simplified Chinese (1), traditional Chinese
// (2) or English (3), addressed by identifiers such as "Str210". The embedded resources LANG1..3
// hold UTF-16LE text with a byte-order mark: a section line "[lang<n>]" and double-quoted
// "key=value" entries.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/result.h"
#include "core/ui/ini_sections.h"
#include "core/ui/text_lookup.h"

namespace krvm {

inline constexpr int kFirstLanguage = 1;
inline constexpr int kLastLanguage = 3;
constexpr bool is_language(int language) {
    return language >= kFirstLanguage && language <= kLastLanguage;
}

// Splits text into entries at blanks and line ends, a double-quoted run being part of one entry
// (without its quotes), and reads them as INI: "[name]" opens a section, "key=value" adds a key.
IniSections parse_quoted_entries(std::string_view text);

class LanguageTable {
  public:
    LanguageTable(int language, IniSections sections);

    int language() const { return language_; }
    // The key's value in the section "lang<n>", or the empty text when the key is missing.
    std::string text(std::string_view key) const;
    std::optional<std::string> find(std::string_view key) const;
    std::vector<std::string> keys() const;

  private:
    int language_;
    std::string section_;
    IniSections sections_;
};

// Reads a table resource of `language` (1..3) from its bytes.
Result<LanguageTable> parse_language_table(std::span<const std::uint8_t> bytes, int language);

// `load_table`: the embedded table "LANG<language>".
Result<LanguageTable> load_table(int language);

// The three embedded tables in language order, loaded once. A table that fails to load (a fault
// of the build) is left empty.
std::span<const LanguageTable> embedded_tables();

// `find_id`: for each table in order and each n from 0 to 700, the key "Str" + n in decimal
// without leading zeros is compared with `text`; every match overwrites the result. The keys
// below 100 are written "Str000".."Str099", so only identifiers 100 to 700 are ever found.
std::optional<std::string> find_id(std::string_view text, std::span<const LanguageTable> tables);
std::optional<std::string> find_id(std::string_view text);

// A lookup into the embedded table of `language`; an unknown language answers the empty text.
TextLookup text_lookup(int language);

}  // namespace krvm
