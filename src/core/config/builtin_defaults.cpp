#include "core/config/builtin_defaults.h"

#include <algorithm>

#include "core/common/checksum.h"

namespace krvm {

namespace {

using namespace image;

// Bytes 0x000..0x02E: normal LED, 2..7 CPI levels; the checksum is computed.
constexpr std::array<std::uint8_t, kParameterASize - 1> kParameterA = {
    0xFF, 0xFE, 0x04, 0x00, 0xFF, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x01, 0x04, 0x03,
    0x00, 0x02, 0x05, 0x06, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00,
    0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

constexpr std::array<std::uint8_t, kParameterBSize> kParameterB = {0x01, 0xFE, 0x00, 0xFF,
                                                                   0x00, 0xFF, 0xFF, 0xFF};

// The same nine button codes for both key modes.
constexpr std::array<std::uint8_t, profile::kButtons* profile::kCodeSize> kButtonCodes = {
    0x01, 0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00, 0x01, 0x08, 0x00, 0x01, 0x10,
    0x00, 0x05, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x02, 0x08, 0x07, 0x09, 0x00, 0x00};

// Type 0x0B (runs to its end), then the address of record n's length byte, high byte first.
constexpr std::uint8_t kFireCodeType = 0x0B;
constexpr int kFireRecordsAddress = kFireBlockOffset + 1;

constexpr std::array<std::uint8_t, kFireColoursSize> kFireColours = {
    0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF,
    0x00, 0xFF, 0xFF, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0x80, 0x00, 0xFF, 0x80, 0xFF, 0xFF, 0xFF};

// Repeat 3 times { left press, 24 ms, left release, 800 ms }; the checksum is computed.
constexpr std::array<std::uint8_t, kFireKeySize - 1> kFireKey = {0x0A, 0xFD, 0x02, 0xA1, 0xFE,
                                                                 0x03, 0x21, 0xFE, 0x64, 0xFC};

}  // namespace

SectionCopies builtin_sections() {
    SectionCopies copies;
    std::copy(kParameterA.begin(), kParameterA.end(), copies.parameter_a.begin());
    seal_checksum(copies.parameter_a);
    copies.parameter_b = kParameterB;
    copies.profile.fill(0xFF);
    std::copy(kButtonCodes.begin(), kButtonCodes.end(),
              copies.profile.begin() + profile::kKeyMode1);
    std::copy(kButtonCodes.begin(), kButtonCodes.end(),
              copies.profile.begin() + profile::kKeyMode2);
    seal_checksum(copies.profile);
    for (std::size_t n = 0; n < kFireMacroCount; ++n) {
        int address = kFireRecordsAddress + static_cast<int>(n * kFireRecordSize);
        copies.fire_codes[3 * n] = kFireCodeType;
        copies.fire_codes[3 * n + 1] = static_cast<std::uint8_t>(address >> 8);
        copies.fire_codes[3 * n + 2] = static_cast<std::uint8_t>(address & 0xFF);
        copies.y_offsets[2 * n] = 0x00;
        copies.y_offsets[2 * n + 1] = 0xFF;
    }
    copies.fire_colours = kFireColours;
    std::copy(kFireKey.begin(), kFireKey.end(), copies.fire_key.begin());
    seal_checksum(copies.fire_key);
    return copies;
}

}  // namespace krvm
