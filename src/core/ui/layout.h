// The layout of one language (resource ORG<n>, section "org<n>"): integer values that place,
// show, size and colour the skinned controls. The layout remembers which keys were read and
// which of them were missing or not numbers, so tests can prove the resources complete.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/result.h"
#include "core/ui/ini_sections.h"

namespace krvm {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    // The single-number form: R + 256 * G + 65536 * B.
    std::uint32_t value() const {
        return static_cast<std::uint32_t>(r) + 256u * static_cast<std::uint32_t>(g) +
               65536u * static_cast<std::uint32_t>(b);
    }
    bool operator==(const Rgb&) const = default;
};

class Layout {
  public:
    Layout(int language, IniSections ini);

    int language() const { return language_; }
    // The key's number; 0 when it is missing or not a number (recorded in `faulty_keys`).
    int value(std::string_view key) const;
    bool enabled(std::string_view prefix) const {
        return value(std::string(prefix) + "Enable") == 1;
    }
    // The colour of the keys `prefix` + "R", "G", "B", each clamped to 0..255.
    Rgb colour(std::string_view prefix) const;
    std::vector<std::string> keys() const;

    const std::set<std::string>& read_keys() const { return read_; }
    const std::set<std::string>& faulty_keys() const { return faulty_; }

  private:
    int language_;
    std::string section_;
    IniSections ini_;
    mutable std::set<std::string> read_;
    mutable std::set<std::string> faulty_;
};

Result<Layout> parse_layout(std::span<const std::uint8_t> bytes, int language);

// The embedded "ORG<language>".
Result<Layout> load_layout(int language);

}  // namespace krvm
