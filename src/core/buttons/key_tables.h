// The three fixed key tables: a pressed key's Windows virtual-key code to the key index of the
// keyboard capture, the key index to its name and to the HID keyboard usage the mouse sends,
// and a stored usage back to a name. Key names are never translated.
#pragma once

#include <cstdint>
#include <string_view>

namespace krvm {

constexpr int kKeyIndexCount = 144;  // key indices 0 to 143; index 0 is "no key"

// Key index of a virtual-key code (0 to 255); 0 for a code the table does not know.
int key_index_of_vk(int vk);

// Name of a key index; empty text for an index outside 0 to 143.
std::string_view key_name(int key_index);

// HID keyboard usage a key index stores; 0 when the key has none (or the index is unknown).
std::uint8_t key_usage(int key_index);

// Name of a stored usage; empty text for a usage that no key produces.
std::string_view usage_name(std::uint8_t usage);

}  // namespace krvm
