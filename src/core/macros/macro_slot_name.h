// The name part of a 256-byte macro slot (the device macro area, the PC macro library and macro
// files): up to 16 UTF-16 code units, each stored high byte first, padded with zero bytes. The
// first zero unit ends the visible name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace krvm {

constexpr std::size_t kMacroNameSize = 32;
constexpr std::size_t kMacroEntrySize = 256;  // name, then a 224-byte macro record

// A slot counts as named when its first two name bytes are not both 0.
bool macro_slot_named(std::span<const std::uint8_t> name);

// The name as UTF-8, up to the first zero unit (at most the first kMacroNameSize bytes are
// read). A unit that is half of a surrogate pair without its other half becomes U+FFFD, so the
// result is always valid UTF-8.
std::string macro_slot_name(std::span<const std::uint8_t> name);

}  // namespace krvm
