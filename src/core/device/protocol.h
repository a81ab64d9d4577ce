// The mouse's configuration protocol: one 8-byte feature report (report id 4) carries a command
// and its parameters; the mouse answers in the same report, with 0xCC in the last byte once it
// has acknowledged. Both the tool side (CommandChannel) and the simulated firmware use these.
#pragma once

#include <array>
#include <cstdint>

namespace krvm::protocol {

constexpr std::size_t kReportSize = 8;
constexpr std::uint8_t kReportId = 4;
constexpr std::size_t kStatusByte = 7;
constexpr std::uint8_t kAcknowledged = 0xCC;
constexpr std::uint8_t kNoAnswerYet = 0x00;

// The EEPROM moves in pieces of six bytes, one exchange each.
constexpr int kPieceSize = 6;
constexpr int kEepromSize = 2048;

enum Command : std::uint8_t {
    BeginCmd = 1,         // enter configuration mode
    EndCmd = 2,           // leave configuration mode
    StatusCmd = 3,        // signature, flags, controller type, pressed-button mask
    ReadSetupCmd = 4,     // announce a block read: address lo/hi, length lo/hi
    ReadPieceCmd = 5,     // reply bytes 1..6 carry the next six bytes of the block
    WriteSetupCmd = 6,    // announce a block write: address lo/hi, length lo/hi
    WritePieceCmd = 7,    // request bytes 2..7 carry the next six bytes of the block
    SystemReloadCmd = 8,  // the firmware takes over the settings now in its EEPROM
};

// Reply to StatusCmd.
constexpr std::size_t kSignatureByte = 1;
constexpr std::uint8_t kSignature = 0xAA;
constexpr std::size_t kFlagsByte = 2;
constexpr std::uint8_t kAccessAllowedFlag = 0x04;
constexpr std::size_t kTypeCodeByte = 3;
constexpr std::size_t kButtonMaskLowByte = 5;
constexpr std::size_t kButtonMaskHighByte = 6;

// Controller type codes as the status reply carries them.
constexpr std::uint8_t kTypeCode144 = 0x35;
constexpr std::uint8_t kTypeCode153 = 0x75;
constexpr std::uint8_t kTypeCode152 = 0xFD;
// Only controllers of type 152 are served.
constexpr int kServedControllerType = 152;

// The controller type a status type code stands for; 0 for codes the tool does not know.
constexpr int controller_type_of(std::uint8_t type_code) {
    switch (type_code) {
        case kTypeCode144:
            return 144;
        case kTypeCode153:
            return 153;
        case kTypeCode152:
            return 152;
        default:
            return 0;
    }
}

// Pieces needed for a block: full pieces plus one short piece for a remainder.
constexpr int piece_count(int length) {
    return (length + kPieceSize - 1) / kPieceSize;
}

static_assert(piece_count(2048) == 342);

}  // namespace krvm::protocol
