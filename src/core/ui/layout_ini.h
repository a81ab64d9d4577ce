// The layout resources ORG and ORG1..ORG3: code page 936 text with CR LF lines, read as INI.
// A line "[name]" opens a section, "key = value" adds a key (blanks around both trimmed); lines
// starting with ";" are comments, and lines starting with "//" or without "=" carry no key.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/common/result.h"
#include "core/ui/ini_sections.h"

namespace krvm {

// Parses text already decoded to UTF-8.
IniSections parse_layout_text(std::string_view text);

// Decodes code page 936 bytes and parses them.
Result<IniSections> parse_layout_resource(std::span<const std::uint8_t> bytes);

// Reads the embedded resource `name` ("ORG", "ORG1", ...).
Result<IniSections> load_layout_resource(std::string_view name);

// A decimal integer with an optional sign and nothing else, or nothing.
std::optional<int> parse_layout_number(std::string_view text);

}  // namespace krvm
