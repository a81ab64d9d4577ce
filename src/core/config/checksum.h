// The one checksum of the image sections, macro records and fire-macro records: the sum of the
// covered bytes modulo 256, exclusive-or 0x5A. Used both to check what was read and to seal
// what is written.
#pragma once

#include <cstdint>
#include <span>

namespace krvm {

constexpr std::uint8_t kChecksumMask = 0x5A;

constexpr std::uint8_t section_checksum(std::span<const std::uint8_t> covered) {
    unsigned sum = 0;
    for (std::uint8_t byte : covered) sum += byte;
    return static_cast<std::uint8_t>((sum & 0xFF) ^ kChecksumMask);
}

// A section whose last byte is the checksum of all bytes before it.
constexpr bool checksum_holds(std::span<const std::uint8_t> section) {
    return !section.empty() &&
           section_checksum(section.first(section.size() - 1)) == section.back();
}

constexpr void seal_checksum(std::span<std::uint8_t> section) {
    section.back() = section_checksum(section.first(section.size() - 1));
}

}  // namespace krvm
