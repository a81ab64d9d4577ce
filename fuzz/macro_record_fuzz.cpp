// Fuzzes the macro record decoders and the way back. The first input byte picks the slot size
// (bit 0: fire-macro slot of 24 bytes, else 224); the rest is the record, held in a buffer of
// exactly its size so that AddressSanitizer catches any read outside it. Checked:
// - the decoders stay inside the record and every decoded line can be drawn;
// - re-encoding a decoded record fits whenever the record did and keeps its events (adjacent
//   delays summed);
// - a record the encoder wrote from a list whose delays stand between other events decodes to
//   that list again and encodes back to exactly the same bytes. (Adjacent delay lines, which a
//   run of more than five delay pairs decodes to, are regrouped into fewer pairs instead.)
// - a well-formed record decoded pair by pair (as the fire macro editor does) encodes back to
//   exactly the same bytes.
#include "core/macros/macro_record.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using krvm::MacroLines;
using Bytes = std::vector<std::uint8_t>;

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

// The event lines with runs of adjacent delay lines summed into one.
std::vector<std::string> events_with_summed_delays(const std::vector<std::string>& lines) {
    std::vector<std::string> events;
    long long run = -1;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (krvm::line_kind(lines[i]) == krvm::kLineDelay) {
            run = std::max(run, 0LL) + std::stoll(lines[i].substr(krvm::kLineKindPrefixSize));
            continue;
        }
        if (run >= 0) events.push_back("0 " + std::to_string(run));
        run = -1;
        events.push_back(lines[i]);
    }
    if (run >= 0) events.push_back("0 " + std::to_string(run));
    return events;
}

bool has_adjacent_delays(const std::vector<std::string>& lines) {
    for (std::size_t i = 2; i < lines.size(); ++i)
        if (krvm::line_kind(lines[i - 1]) == krvm::kLineDelay &&
            krvm::line_kind(lines[i]) == krvm::kLineDelay)
            return true;
    return false;
}

Bytes encode(const MacroLines& decoded, std::size_t slot_size) {
    auto slot = krvm::MacroLinesToContent(decoded.lines, decoded.release_key_stop.value_or(false),
                                          slot_size);
    check(slot.ok(), "a decoded record that fitted its slot is encoded");
    return *slot;
}

void check_round_trip(const Bytes& record, std::size_t slot_size,
                      MacroLines (*decode)(std::span<const std::uint8_t>)) {
    MacroLines first = decode(record);
    for (const std::string& line : first.lines) (void)krvm::drawn_text(line);
    if (first.lines.empty()) return;

    std::size_t length = record[krvm::kRecordLengthOffset];
    bool fitted = record.size() < slot_size || length + 2 <= slot_size;
    auto written =
        krvm::MacroLinesToContent(first.lines, first.release_key_stop.value_or(false), slot_size);
    if (!written.ok()) {
        check(!fitted, "a decoded record that fitted its slot is encoded");
        return;
    }
    const Bytes& second = *written;
    check(second.size() == slot_size, "the encoder fills exactly one slot");
    check(second[krvm::kRecordLengthOffset] == 0 || krvm::macro_checksum_matches(second),
          "the encoder writes the checksum");

    MacroLines again = decode(second);
    check(events_with_summed_delays(again.lines) == events_with_summed_delays(first.lines),
          "re-encoding keeps the events");
    if (!has_adjacent_delays(first.lines)) {
        // A list of only the header encodes to an empty slot, which decodes to no lines at all.
        bool same = again.lines.empty() ? first.lines.size() == 1 : again.lines == first.lines;
        check(same, "what the encoder wrote decodes to its lines");
        check(encode(again, slot_size) == second, "what the encoder wrote comes back unchanged");
    }
}

// A record the tool itself would write: flag 0 or 1, a matching checksum and zero fill.
bool well_formed(const Bytes& record) {
    if (record.size() <= krvm::kRecordLengthOffset) return false;
    std::size_t length = record[krvm::kRecordLengthOffset];
    if (record[krvm::kRecordFlagOffset] > 1 || length < 2 || !krvm::macro_checksum_matches(record))
        return false;
    return std::all_of(record.begin() + krvm::kRecordLengthOffset + length + 1, record.end(),
                       [](std::uint8_t byte) { return byte == 0; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::size_t slot_size = data[0] & 1 ? krvm::kFireMacroSlotSize : krvm::kMacroSlotSize;
    Bytes record(data + 1, data + 1 + std::min(size - 1, slot_size));

    check_round_trip(record, slot_size, krvm::MacroContentToLines);
    check_round_trip(record, slot_size, krvm::FireSlotToLines);
    for (const std::string& line : krvm::FireKeySectionToLines(record).lines)
        (void)krvm::drawn_text(line);

    if (record.size() == slot_size && well_formed(record)) {
        MacroLines pairs = krvm::FireSlotToLines(record);
        if (pairs.complete)
            check(encode(pairs, slot_size) == record,
                  "a well-formed record comes back byte for byte");
    }
    return 0;
}
