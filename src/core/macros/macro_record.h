// The macro record: the byte form the mouse firmware plays back. It lies at the start of a
// fixed-size slot (224 bytes for device macros, library entries and macro files, 24 bytes for
// fire macros):
//   0        release-key-stop flag: 1 = playback stops when the button is released
//   1        length byte N = 1 + number of event bytes
//   2..N     event bytes in playback order
//   N + 1    checksum over bytes 1..N
//   N + 2..  zero up to the end of the slot
// The Fire Key section of the image is the same record without the flag byte.
// This file converts records to line lists and back.
#pragma once

#include "core/common/result.h"
#include "core/macros/macro_lines.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace krvm {

constexpr std::size_t kMacroSlotSize = 224;
constexpr std::size_t kFireMacroSlotSize = 24;
constexpr std::size_t kRecordFlagOffset = 0;
constexpr std::size_t kRecordLengthOffset = 1;
constexpr std::size_t kRecordEventsOffset = 2;
constexpr std::size_t kRecordOverhead = 3;    // flag, length byte, checksum
constexpr std::uint8_t kErasedLength = 0xFF;  // erased memory: read as an empty record
static_assert(kMacroSlotSize - kRecordOverhead == 221);
static_assert(kFireMacroSlotSize - kRecordOverhead == 21);

// What the user is told when a line list does not fit its slot.
inline constexpr std::string_view kMacroTooLongTextId = "Str103";

// The checksum the record's length byte calls for: bytes 1..N summed, XOR 0x5A. Nothing when the
// record is too short to hold its length byte, its N bytes and its checksum.
std::optional<std::uint8_t> MacroChecksum(std::span<const std::uint8_t> record);

// Whether the record holds the checksum its length byte calls for.
bool macro_checksum_matches(std::span<const std::uint8_t> record);

// The slot bytes of a line list (line 0 is the header and produces nothing). A list without
// events gives an all-zero slot. Fails, writing nothing, when a line is not an event line or
// the events do not fit the slot (the user is then shown kMacroTooLongTextId).
Result<std::vector<std::uint8_t>> MacroLinesToContent(std::span<const std::string> lines,
                                                      bool release_key_stop,
                                                      std::size_t slot_size = kMacroSlotSize);

// A decoded record: the line list and the choices the macro page shows with it.
struct MacroLines {
    std::vector<std::string> lines;  // line 0 is the header; empty for an empty record
    DelayMode delay_mode = DelayMode::no_delay;
    int default_delay_ms = 0;  // the delay of the default-delay mode
    // The flag byte's choice; nothing when the byte is neither 0 nor 1 (the choice stays as it
    // was) or the record has no flag byte.
    std::optional<bool> release_key_stop;
    // False when decoding stopped early: at an unknown event byte, a modifier event without a
    // line form, or an event cut off by the end of the record.
    bool complete = true;
};

// The line list of a record (a slot of any size). Delay runs of up to five FE pairs become one
// line; the header comes from the first four delay lines.
MacroLines MacroContentToLines(std::span<const std::uint8_t> record);

// The line list of the Fire Key section (a record without its flag byte).
MacroLines FireKeySectionToLines(std::span<const std::uint8_t> section);

// The line list of a fire-macro slot as the fire macro editor shows it: header "00" and one line
// per delay pair.
MacroLines FireSlotToLines(std::span<const std::uint8_t> slot);

}  // namespace krvm
