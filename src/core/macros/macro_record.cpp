// Encoding line lists into records and decoding records into line lists. The decoder reads only
// the event bytes the length byte covers and that lie inside the given bytes; the encoder never
// writes past the slot.
#include "core/macros/macro_record.h"

#include "core/buttons/key_tables.h"
#include "core/common/checksum.h"
#include "core/common/decimal.h"
#include "core/common/hex.h"

#include <algorithm>
#include <array>

namespace krvm {
namespace {

constexpr std::size_t kEventDigits = 4;  // the last four characters carry the event bytes
constexpr int kMaxMergedDelayPairs = 5;  // at most 10200 ms in one decoded delay line
constexpr int kHeaderDelayCount = 4;     // the header is judged from the first four delays

Error line_error(std::size_t line_number, std::string_view line) {
    return Error{"line " + std::to_string(line_number) + " is not a macro event: \"" +
                 std::string(line) + "\""};
}

Error too_long(std::size_t room, std::size_t slot_size) {
    return Error{"the macro does not fit its slot: " + std::to_string(slot_size) +
                 " bytes hold at most " + std::to_string(room) + " event bytes"};
}

// Appends the bytes of a delay: FE FF per full 2040 ms, then FE and the rest in 8 ms units when
// there is a rest or the delay is 0. A negative delay gives nothing. Fails when more than
// `room` bytes would be needed.
bool append_delay(std::vector<std::uint8_t>& bytes, int ms, std::size_t room) {
    if (ms < 0) return true;
    std::size_t full_steps = static_cast<std::size_t>(ms / kLongestDelayStepMs);
    int rest = ms % kLongestDelayStepMs;
    bool rest_step = rest > 0 || ms == 0;
    if (2 * (full_steps + (rest_step ? 1 : 0)) > room) return false;
    for (std::size_t i = 0; i < full_steps; ++i) bytes.insert(bytes.end(), {kEventDelay, 0xFF});
    if (rest_step)
        bytes.insert(bytes.end(), {kEventDelay, static_cast<std::uint8_t>(rest / kDelayUnitMs)});
    return true;
}

// Decodes the events that follow the length byte at `length_at`.
class Decoder {
  public:
    Decoder(std::span<const std::uint8_t> bytes, std::size_t length_at, int max_delay_pairs)
        : bytes_(bytes), max_delay_pairs_(max_delay_pairs) {
        std::uint8_t length = bytes[length_at];
        i_ = length_at + 1;
        end_ = std::min(length_at + length, bytes.size());
    }

    // Appends one line per event; returns false when it stopped before the end.
    bool run(std::vector<std::string>& lines) {
        while (i_ < end_) {
            auto line = next_line();
            if (!line) return false;
            lines.push_back(std::move(*line));
        }
        return true;
    }

    // Milliseconds of the first four delay lines, 0 for lines that do not exist.
    const std::array<int, kHeaderDelayCount>& first_delays() const { return first_delays_; }

  private:
    std::optional<std::string> next_line() {
        std::uint8_t event = bytes_[i_];
        if (auto line = button_line(event)) {
            i_ += 1;
            return line;
        }
        if (event == kEventRepeatEnd) {
            i_ += 1;
            return std::string(kRepeatEndLine);
        }
        if (i_ + 1 >= end_) return std::nullopt;  // every other event carries a parameter
        std::uint8_t parameter = bytes_[i_ + 1];
        std::optional<std::string> line;
        switch (event) {
            case kEventModifierPress:
            case kEventModifierRelease:
                if (auto name = modifier_name(parameter)) line = key_line(*name, event, parameter);
                break;
            case kEventKeyPress:
            case kEventKeyRelease:
                line = key_line(usage_name(parameter), event, parameter);
                break;
            case kEventMoveX:
            case kEventMoveY:
                line = move_line(event, parameter);
                break;
            case kEventRepeatStart:
                line = repeat_start_line(parameter);
                break;
            case kEventDelay:
                return delay_run();
            default:
                break;
        }
        if (line) i_ += 2;
        return line;
    }

    // A delay pair and the pairs directly after it, up to the merge limit, as one line.
    std::string delay_run() {
        int units = 0;
        for (int pairs = 0; pairs < max_delay_pairs_ && i_ + 1 < end_ && bytes_[i_] == kEventDelay;
             ++pairs) {
            units += bytes_[i_ + 1];
            i_ += 2;
        }
        int ms = units * kDelayUnitMs;
        if (delay_count_ < kHeaderDelayCount) first_delays_[delay_count_] = ms;
        ++delay_count_;
        return delay_line(ms);
    }

    std::span<const std::uint8_t> bytes_;
    int max_delay_pairs_;
    std::size_t i_ = 0;
    std::size_t end_ = 0;
    int delay_count_ = 0;
    std::array<int, kHeaderDelayCount> first_delays_{};
};

bool is_empty_length(std::uint8_t length) {
    return length == 0 || length == kErasedLength;
}

std::optional<bool> release_choice(std::uint8_t flag) {
    if (flag == 0) return false;
    if (flag == 1) return true;
    return std::nullopt;
}

// Decodes with the header judged from the first four delays.
MacroLines decode_with_header(std::span<const std::uint8_t> bytes, std::size_t length_at) {
    MacroLines result;
    if (bytes.size() <= length_at || is_empty_length(bytes[length_at])) return result;
    Decoder decoder(bytes, length_at, kMaxMergedDelayPairs);
    result.lines.push_back(header_line(DelayMode::no_delay, 0));
    result.complete = decoder.run(result.lines);
    const auto& delays = decoder.first_delays();
    if (std::ranges::all_of(delays, [](int ms) { return ms == 0; })) {
        result.delay_mode = DelayMode::no_delay;
    } else if (std::ranges::all_of(delays, [&](int ms) { return ms == delays[0]; })) {
        result.delay_mode = DelayMode::default_delay;
        result.default_delay_ms = delays[0];
    } else {
        result.delay_mode = DelayMode::record_delay;
    }
    result.lines[0] = header_line(result.delay_mode, result.default_delay_ms);
    return result;
}

}  // namespace

std::optional<std::uint8_t> MacroChecksum(std::span<const std::uint8_t> record) {
    if (record.size() <= kRecordLengthOffset) return std::nullopt;
    std::size_t length = record[kRecordLengthOffset];
    if (kRecordLengthOffset + length >= record.size()) return std::nullopt;
    return section_checksum(record.subspan(kRecordLengthOffset, length));
}

bool macro_checksum_matches(std::span<const std::uint8_t> record) {
    auto checksum = MacroChecksum(record);
    return checksum && record[kRecordLengthOffset + record[kRecordLengthOffset]] == *checksum;
}

Result<std::vector<std::uint8_t>> MacroLinesToContent(std::span<const std::string> lines,
                                                      bool release_key_stop,
                                                      std::size_t slot_size) {
    std::size_t room = slot_size < kRecordOverhead ? 0 : slot_size - kRecordOverhead;
    std::vector<std::uint8_t> events;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        std::string_view line = lines[n];
        auto kind = line_kind(line);
        if (!kind) return line_error(n, line);
        if (*kind == kLineDelay) {
            int ms = parse_decimal(
                         line.size() > kLineKindPrefixSize ? line.substr(kLineKindPrefixSize) : "")
                         .value_or(0);
            if (!append_delay(events, ms, room - std::min(room, events.size())))
                return too_long(room, slot_size);
            continue;
        }
        if (line.size() < kEventDigits) return line_error(n, line);
        std::string_view digits = line.substr(line.size() - kEventDigits);
        if (digits.starts_with("00")) digits.remove_prefix(2);  // a one-byte event
        for (std::size_t d = 0; d < digits.size(); d += 2) {
            auto byte = parse_hex_byte(digits.substr(d, 2));
            if (!byte) return line_error(n, line);
            events.push_back(*byte);
        }
        if (events.size() > room) return too_long(room, slot_size);
    }
    std::vector<std::uint8_t> slot(slot_size, 0);
    if (events.empty()) return slot;
    slot[kRecordFlagOffset] = release_key_stop ? 1 : 0;
    slot[kRecordLengthOffset] = static_cast<std::uint8_t>(events.size() + 1);
    std::ranges::copy(events, slot.begin() + kRecordEventsOffset);
    slot[kRecordEventsOffset + events.size()] =
        section_checksum(std::span(slot).subspan(kRecordLengthOffset, events.size() + 1));
    return slot;
}

MacroLines MacroContentToLines(std::span<const std::uint8_t> record) {
    MacroLines result = decode_with_header(record, kRecordLengthOffset);
    if (!result.lines.empty()) result.release_key_stop = release_choice(record[kRecordFlagOffset]);
    return result;
}

MacroLines FireKeySectionToLines(std::span<const std::uint8_t> section) {
    return decode_with_header(section, 0);
}

MacroLines FireSlotToLines(std::span<const std::uint8_t> slot) {
    MacroLines result;
    if (slot.size() <= kRecordLengthOffset || is_empty_length(slot[kRecordLengthOffset]))
        return result;
    result.release_key_stop = release_choice(slot[kRecordFlagOffset]);
    result.lines.push_back(header_line(DelayMode::no_delay, 0));
    result.complete = Decoder(slot, kRecordLengthOffset, 1).run(result.lines);
    return result;
}

}  // namespace krvm
