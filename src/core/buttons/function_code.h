// A button's function code: three bytes (type, parameter 1, parameter 2) that tell the firmware
// what the button does. Inside the tool a code also travels as six upper-case hex digits,
// type first ("010100" is the left mouse button).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace krvm {

using FunctionCode = std::array<std::uint8_t, 3>;

constexpr std::size_t kCodeTypeByte = 0;
constexpr std::size_t kCodeParam1Byte = 1;
constexpr std::size_t kCodeParam2Byte = 2;

// Code types.
constexpr std::uint8_t kCodeOff = 0x00;
constexpr std::uint8_t kCodeMouseButton = 0x01;  // parameter 1: button mask
constexpr std::uint8_t kCodeKeyboard = 0x02;     // parameter 1: modifier mask, 2: key usage
constexpr std::uint8_t kCodeConsumer = 0x03;     // parameters: consumer usage, high byte first
constexpr std::uint8_t kCodeCpiLoop = 0x05;
constexpr std::uint8_t kCodeMacro = 0x06;  // parameters: address of the record's length byte
constexpr std::uint8_t kCodeCpiUp = 0x07;
constexpr std::uint8_t kCodeCpiDown = 0x08;
constexpr std::uint8_t kCodeLedSwitch = 0x09;
constexpr std::uint8_t kCodeAim = 0x0A;  // parameter 1: index of the AIM value in the CPI list
constexpr std::uint8_t kCodeGun = 0x0C;  // parameters: first and last fire-macro slot
constexpr std::uint8_t kCodeGunKeyFn = 0x0D;
constexpr std::uint8_t kCodeMacroReleaseStop = 0x0E;  // as kCodeMacro, release-key-stop flag 1
constexpr std::uint8_t kCodeKeyModeSwitch = 0x0F;
constexpr std::uint8_t kCodeLedModeSwitch = 0x10;

// Modifier mask bits of a keyboard code.
constexpr std::uint8_t kModifierCtrl = 0x01;
constexpr std::uint8_t kModifierShift = 0x02;
constexpr std::uint8_t kModifierAlt = 0x04;
constexpr std::uint8_t kModifierWin = 0x08;

// EEPROM address of the length byte of device macro slot n (1 to 4).
constexpr int kDeviceMacroSlotCount = 4;
constexpr std::uint16_t device_macro_address(int slot) {
    return static_cast<std::uint16_t>(0x0121 + 0x100 * (slot - 1));
}

// The three bytes of a code text; nothing when the text is not six hexadecimal digits.
std::optional<FunctionCode> code_to_bytes(std::string_view text);

// The six upper-case hexadecimal digits of a code.
std::string bytes_to_code(const FunctionCode& code);

}  // namespace krvm
