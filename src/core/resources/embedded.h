// The program's embedded data files (default images, language tables, layouts, skins), looked up
// by name. The build assembles the files into the binary; see cmake/EmbedResources.cmake.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace krvm::resources {

struct EmbeddedEntry {
    const char* name;
    const unsigned char* begin;
    const unsigned char* end;
};

// Every embedded file, in the order the build listed them (defined by the generated table).
std::span<const EmbeddedEntry> all_entries();

// The bytes of the resource called `name`, compared without regard to ASCII case.
std::optional<std::span<const std::uint8_t>> find(std::string_view name);

}  // namespace krvm::resources
