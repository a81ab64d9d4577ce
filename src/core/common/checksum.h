// The one checksum of the configuration image: the image sections, every macro record and the
// fire-macro slots all end in (sum of the covered bytes mod 256) XOR 0x5A. Readers and writers
// both call this, so a byte cannot be checked one way and written another.
#pragma once

#include <cstdint>
#include <span>

namespace krvm {

constexpr std::uint8_t kSectionChecksumMask = 0x5A;

constexpr std::uint8_t section_checksum(std::span<const std::uint8_t> covered) {
    std::uint8_t sum = 0;
    for (std::uint8_t byte : covered) sum = static_cast<std::uint8_t>(sum + byte);
    return static_cast<std::uint8_t>(sum ^ kSectionChecksumMask);
}

// A section whose last byte is the checksum of all bytes before it.
constexpr bool checksum_holds(std::span<const std::uint8_t> section) {
    return !section.empty() &&
           section_checksum(section.first(section.size() - 1)) == section.back();
}

// Stores the checksum of all bytes before the last into the last byte.
constexpr void seal_checksum(std::span<std::uint8_t> section) {
    section.back() = section_checksum(section.first(section.size() - 1));
}

}  // namespace krvm
