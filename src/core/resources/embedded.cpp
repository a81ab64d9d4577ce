#include "core/resources/embedded.h"

#include <algorithm>
#include <cctype>

namespace krvm::resources {

namespace {

bool same_name(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

std::optional<std::span<const std::uint8_t>> find(std::string_view name) {
    for (const EmbeddedEntry& entry : all_entries()) {
        if (same_name(entry.name, name)) {
            return std::span<const std::uint8_t>(entry.begin, entry.end);
        }
    }
    return std::nullopt;
}

}  // namespace krvm::resources
