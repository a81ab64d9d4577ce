// The section and key store behind both kinds of text resource (language tables and layouts).
// Section and key names compare without regard to ASCII case; when a key repeats in a section,
// the first one counts, as a reader scanning from the top finds it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace krvm {

class IniSections {
  public:
    void add_section(std::string_view name);
    // Adds to the section opened last; keys before any section line belong to no section and
    // are dropped.
    void add_key(std::string_view key, std::string_view value);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The keys of a section in file order, with their spelling in the file.
    std::vector<std::string> keys(std::string_view section) const;
    bool has_section(std::string_view section) const;

  private:
    struct Section {
        std::vector<std::string> order;
        std::map<std::string, std::string> values;  // by lower-case key
    };
    std::map<std::string, Section> sections_;  // by lower-case name
    std::optional<std::string> current_;       // lower-case name of the section opened last
};

}  // namespace krvm
