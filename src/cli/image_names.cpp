#include "cli/image_names.h"

#include <span>

#include "core/buttons/function_codes.h"
#include "core/macros/macro_slot_name.h"
#include "core/ui/language_table.h"

namespace krvm::cli {

namespace {

// The gun preset that plays each fire-macro slot: five guns of one slot, then a gun of two
// slots (6, 7) and one of three (8 to 10), each slot one mode of its gun.
struct SlotGun {
    std::string_view name_id;
    int mode;
};
constexpr std::array<SlotGun, image::kFireMacroCount> kSlotGuns = {{
    {"Str600", 0},
    {"Str601", 0},
    {"Str602", 0},
    {"Str603", 0},
    {"Str604", 0},
    {"Str605", 1},
    {"Str605", 2},
    {"Str606", 1},
    {"Str606", 2},
    {"Str606", 3},
}};

DeviceMacroView view_device_macro(std::span<const std::uint8_t> slot) {
    DeviceMacroView view;
    std::span<const std::uint8_t> name = slot.first(kMacroNameSize);
    if (macro_slot_named(name)) view.name = macro_slot_name(name);
    std::span<const std::uint8_t> record = slot.subspan(kMacroNameSize, kMacroSlotSize);
    std::uint8_t length = record[kRecordLengthOffset];
    if (length == 0 || length == kErasedLength) return view;
    if (!macro_checksum_matches(record)) {
        view.content = DeviceMacroView::Content::damaged;
        return view;
    }
    view.content = DeviceMacroView::Content::ok;
    MacroLines decoded = MacroContentToLines(record);
    view.release_key_stop = decoded.release_key_stop;
    view.lines = std::move(decoded.lines);
    view.complete = decoded.complete;
    return view;
}

}  // namespace

ImageNames name_image(const ConfigState& state, int language) {
    ImageNames names;
    const auto& area = state.areas.device_macros;
    static_assert(image::kDeviceMacrosSize == 4 * kMacroEntrySize);
    for (std::size_t n = 0; n < names.device_macros.size(); ++n)
        names.device_macros[n] =
            view_device_macro(std::span(area).subspan(n * kMacroEntrySize, kMacroEntrySize));

    CodeNaming naming;
    naming.text = text_lookup(language);
    naming.device_macro_name = [&names](int slot) {
        return slot >= 1 && slot <= kDeviceMacroSlotCount ? names.device_macros[slot - 1].name
                                                          : std::string();
    };
    for (std::size_t k = 0; k < image::profile::kButtons; ++k) {
        names.key_mode1[k] = name_of_code(state.hex.key_mode1[k], naming);
        names.key_mode2[k] = name_of_code(state.hex.key_mode2[k], naming);
    }

    MacroLines fire_key = FireKeySectionToLines(state.sections.fire_key);
    names.fire_key_lines = std::move(fire_key.lines);
    names.fire_key_complete = fire_key.complete;
    for (std::size_t k = 0; k < image::kFireMacroCount; ++k) {
        FireMacroView& fire = names.fire_macros[k];
        fire.gun = naming.text(kSlotGuns[k].name_id);
        fire.gun_mode = kSlotGuns[k].mode;
        MacroLines decoded = FireSlotToLines(state.areas.fire_records[k]);
        fire.release_key_stop = decoded.release_key_stop;
        fire.lines = std::move(decoded.lines);
        fire.complete = decoded.complete;
        fire.y_offset = static_cast<std::int8_t>(state.sections.y_offsets[2 * k]);
        for (std::size_t c = 0; c < 3; ++c) fire.colour[c] = state.sections.fire_colours[3 * k + c];
    }
    return names;
}

}  // namespace krvm::cli
