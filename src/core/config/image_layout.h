// The map of the mouse's 2048-byte configuration image: where each section and area lies and
// where each settings field sits inside its section. Image offset = EEPROM address.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/device/protocol.h"

namespace krvm::image {

constexpr std::size_t kImageSize = protocol::kEepromSize;

// Regions in image order. Reserved runs between them are never edited: they travel from the
// EEPROM (or a default image, or a profile file) back to the EEPROM unchanged.
constexpr std::size_t kParameterAOffset = 0x000;
constexpr std::size_t kParameterASize = 48;
constexpr std::size_t kParameterBOffset = 0x030;
constexpr std::size_t kParameterBSize = 8;
constexpr std::size_t kReserved1Offset = 0x038;
constexpr std::size_t kReserved1Size = 8;
constexpr std::size_t kProfileOffset = 0x040;
constexpr std::size_t kProfileSize = 55;
constexpr std::size_t kReserved2Offset = 0x077;
constexpr std::size_t kReserved2Size = 9;
constexpr std::size_t kFireCodesOffset = 0x080;
constexpr std::size_t kFireCodesSize = 30;
constexpr std::size_t kReserved3Offset = 0x09E;
constexpr std::size_t kReserved3Size = 18;
constexpr std::size_t kYOffsetsOffset = 0x0B0;
constexpr std::size_t kYOffsetsSize = 20;
constexpr std::size_t kReserved4Offset = 0x0C4;
constexpr std::size_t kReserved4Size = 12;
constexpr std::size_t kFireColoursOffset = 0x0D0;
constexpr std::size_t kFireColoursSize = 30;
constexpr std::size_t kReserved5Offset = 0x0EE;
constexpr std::size_t kReserved5Size = 2;
constexpr std::size_t kFireKeyOffset = 0x0F0;
constexpr std::size_t kFireKeySize = 11;
constexpr std::size_t kReserved6Offset = 0x0FB;
constexpr std::size_t kReserved6Size = 5;
constexpr std::size_t kDeviceMacrosOffset = 0x100;
constexpr std::size_t kDeviceMacrosSize = 1024;  // 4 slots: 32-byte name, 224-byte record
constexpr std::size_t kFireBlockOffset = 0x500;
constexpr std::size_t kFireBlockSize = 256;  // 10 records of 24 bytes, then 16 filler bytes
constexpr std::size_t kScriptOffset = 0x600;
constexpr std::size_t kScriptSize = 512;  // 2 records of 256 bytes

static_assert(kParameterAOffset + kParameterASize == kParameterBOffset);
static_assert(kParameterBOffset + kParameterBSize == kReserved1Offset);
static_assert(kReserved1Offset + kReserved1Size == kProfileOffset);
static_assert(kProfileOffset + kProfileSize == kReserved2Offset);
static_assert(kReserved2Offset + kReserved2Size == kFireCodesOffset);
static_assert(kFireCodesOffset + kFireCodesSize == kReserved3Offset);
static_assert(kReserved3Offset + kReserved3Size == kYOffsetsOffset);
static_assert(kYOffsetsOffset + kYOffsetsSize == kReserved4Offset);
static_assert(kReserved4Offset + kReserved4Size == kFireColoursOffset);
static_assert(kFireColoursOffset + kFireColoursSize == kReserved5Offset);
static_assert(kReserved5Offset + kReserved5Size == kFireKeyOffset);
static_assert(kFireKeyOffset + kFireKeySize == kReserved6Offset);
static_assert(kReserved6Offset + kReserved6Size == kDeviceMacrosOffset);
static_assert(kDeviceMacrosOffset + kDeviceMacrosSize == kFireBlockOffset);
static_assert(kFireBlockOffset + kFireBlockSize == kScriptOffset);
static_assert(kScriptOffset + kScriptSize == kImageSize);

// The first 256 bytes hold every settings section; the verification after a write compares them.
constexpr std::size_t kVerifiedSize = 256;
static_assert(kFireKeyOffset + kFireKeySize <= kVerifiedSize);
static_assert(kDeviceMacrosOffset == kVerifiedSize);

// Byte 0x07F, a reserved byte, doubles as the file type byte of profile files.
constexpr std::size_t kFileTypeOffset = 0x07F;
constexpr std::uint8_t kFileType = 0x98;
static_assert(kFileTypeOffset >= kReserved2Offset &&
              kFileTypeOffset < kReserved2Offset + kReserved2Size);

// Fire-macro block: ten 24-byte records, then filler written along with them.
constexpr std::size_t kFireMacroCount = 10;
constexpr std::size_t kFireRecordSize = 24;
constexpr std::size_t kFireRecordsSize = kFireMacroCount * kFireRecordSize;
constexpr std::size_t kFireFillerSize = 16;
static_assert(kFireRecordsSize + kFireFillerSize == kFireBlockSize);
static_assert(kFireMacroCount * 3 == kFireCodesSize);
static_assert(kFireMacroCount * 2 == kYOffsetsSize);
static_assert(kFireMacroCount * 3 == kFireColoursSize);

// Script area: two 256-byte records.
constexpr std::size_t kScriptRecordSize = 256;
static_assert(2 * kScriptRecordSize == kScriptSize);

// Parameter A, offsets inside the section (= image offsets).
namespace parameter_a {
constexpr std::size_t kOptionFlags = 0x000;
constexpr std::uint8_t kMiddleCpiLedSwitchBit = 0x01;  // LED on/off by middle + CPI allowed
constexpr std::uint8_t kGunFnBit = 0x02;               // gun key is "Fn + left key"
constexpr std::uint8_t kLeftCpiLedModeBit = 0x04;      // LED mode by left + CPI allowed
constexpr std::uint8_t kKeyModeNotKeptBit = 0x08;      // key mode forgotten at power-up
constexpr std::uint8_t kSensorOrientationMask = 0x70;  // orientation code in bits 4..6
constexpr int kSensorOrientationShift = 4;
constexpr std::uint8_t kNormalLedBit = 0x80;  // 1 = normal LED, 0 = MCU LED row
constexpr std::size_t kKeyModeSwitch = 0x001;
constexpr std::uint8_t kMiddleLongPressBit = 0x01;
constexpr std::uint8_t kCpiLongPressBit = 0x02;
constexpr std::uint8_t kGunLongPressBit = 0x04;
constexpr std::size_t kCpiLevelCount = 0x002;  // 2..7
constexpr std::size_t kMcuLedOptions = 0x003;
constexpr std::uint8_t kMcuAllLightsBit = 0x08;  // 1 = all lights, 0 = half
constexpr std::uint8_t kMcuCountMask = 0xF0;     // 13 - light count
constexpr int kMcuCountShift = 4;
constexpr std::size_t kMcuModeMask = 0x004;     // bit n = mode n enabled; 0xFF for a normal LED
constexpr std::size_t kBreathingStep = 0x005;   // unit 1 ms
constexpr std::size_t kCpiValues = 0x006;       // 7 indices into the CPI value list
constexpr std::size_t kCpiColours = 0x00D;      // 7 palette indices (normal LED)
constexpr std::size_t kKeyMode1Colour = 0x014;  // R, G, B
constexpr std::size_t kKeyMode2Colour = 0x017;  // R, G, B
constexpr std::size_t kMcuCpiColours = 0x01A;   // 7 x R, G, B (MCU LED)
constexpr std::size_t kChecksum = 0x02F;
constexpr std::size_t kLevels = 7;
static_assert(kCpiValues + kLevels == kCpiColours);
static_assert(kCpiColours + kLevels == kKeyMode1Colour);
static_assert(kMcuCpiColours + 3 * kLevels == kChecksum);
static_assert(kChecksum + 1 == kParameterASize);
}  // namespace parameter_a

// Parameter B, offsets inside the section: three value/complement pairs and the identifier.
namespace parameter_b {
constexpr std::size_t kCurrentCpiLevel = 0;  // level index 0..6, then 255 - it
constexpr std::size_t kLedState = 2;         // then 255 - it
constexpr std::uint8_t kLedModeMask = 0x07;  // normal: 1 = CPI breathing; MCU: mode 1..7
constexpr std::uint8_t kLedOffBit = 0x08;
constexpr std::uint8_t kMcuStepMask = 0xE0;  // MCU LED current step 0..7
constexpr int kMcuStepShift = 5;
constexpr std::size_t kKeyMode = 4;  // bit 7: key mode 2; then 255 - it
constexpr std::uint8_t kKeyMode2Bit = 0x80;
constexpr std::size_t kManufacturer = 6;                 // 255 = generic
constexpr std::size_t kProduct = 7;                      // 255 = generic
static_assert(kParameterBOffset + kManufacturer == 54);  // where identification reads them
}  // namespace parameter_b

// Profile, offsets inside the section: 9 button codes of key mode 1, then of key mode 2.
namespace profile {
constexpr std::size_t kButtons = 9;
constexpr std::size_t kCodeSize = 3;
constexpr std::size_t kKeyMode1 = 0;
constexpr std::size_t kKeyMode2 = kButtons * kCodeSize;
constexpr std::size_t kChecksum = 2 * kButtons * kCodeSize;
static_assert(kChecksum + 1 == kProfileSize);
}  // namespace profile

// Fire key, offsets inside the section: the rapid-fire macro record without its release flag.
namespace fire_key {
constexpr std::size_t kLength = 0;
constexpr std::size_t kRepeatCount = 2;  // repeat count - 1
constexpr std::size_t kInterval = 8;     // delay in units of 8 ms
constexpr std::size_t kChecksum = 10;
static_assert(kChecksum + 1 == kFireKeySize);
}  // namespace fire_key

}  // namespace krvm::image
