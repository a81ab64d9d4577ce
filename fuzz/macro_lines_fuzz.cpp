// Fuzzes the line-list encoder with arbitrary text lines (one per input line; the first input
// byte picks the slot size and the release choice). Checked: the encoder never fails by
// crashing or writing outside its slot, fills exactly one slot, writes the checksum, and what it
// wrote decodes without leaving the slot.
#include "core/macros/macro_record.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::size_t slot_size = data[0] & 1 ? krvm::kFireMacroSlotSize : krvm::kMacroSlotSize;
    bool release_key_stop = data[0] & 2;
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    auto slot = krvm::MacroLinesToContent(lines, release_key_stop, slot_size);
    if (!slot.ok()) return 0;
    if (slot->size() != slot_size ||
        ((*slot)[krvm::kRecordLengthOffset] != 0 && !krvm::macro_checksum_matches(*slot))) {
        std::fprintf(stderr,
                     "property violated: the encoder fills one slot and writes its checksum\n");
        std::abort();
    }
    for (const std::string& line : krvm::MacroContentToLines(*slot).lines)
        (void)krvm::drawn_text(line);
    return 0;
}
