// Every function a button can be given through its pop-up menu: the fixed codes with their menu
// entry numbers, menu groups and names, and the rule that names any code shown on a button.
// Names come from the current language table; key names from the key tables.
#pragma once

#include "core/buttons/function_code.h"
#include "core/ui/text_lookup.h"

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace krvm {

// The groups of the assignment menu. `dpi` is the CPI sub-group inside `special`.
enum class CodeGroup {
    standard_mouse,
    special,
    dpi,
    media,
    www,
    user_defined,
    base_macro,
    pc,
    fire_macro
};

// Text identifier of a group's label ("Str201" ...).
std::string_view group_text_id(CodeGroup group);

// One entry of the menus that always gives the same function.
struct FixedCode {
    int entry;                 // the number the menu entry carries
    FunctionCode code;         // for the AIM entry, parameter 1 is the current AIM index
    std::string_view name_id;  // text identifier of the name
    CodeGroup group;
};

constexpr int kAimEntry = 1002;
constexpr int kAimIndexCount = 11;  // AIM values are indices 0 to 10 into the CPI value list

// The fixed-code table, in menu order within each group.
std::span<const FixedCode> fixed_codes();

// Code text of a menu entry; the AIM entry uses `aim_index` (0 to 10). Empty text for an
// unknown entry, or for the AIM entry with an index outside 0 to 10.
std::string code_for_entry(int entry, int aim_index);

// The ten gun keys of the gun key file; an entry 00 00 00 is empty.
using GunKeyTable = std::array<FunctionCode, 10>;

// What naming needs beyond the code itself.
struct CodeNaming {
    TextLookup text;  // the current language table
    // Name of the device macro in slot 1 to 4 (from the device macro name list); may be unset.
    std::function<std::string(int slot)> device_macro_name;
    // Present when the gun key file was found at start-up: guns are then named by their entry.
    std::optional<GunKeyTable> gun_keys;
};

// The name shown on a button for a code; empty text for a code nothing names.
std::string name_of_code(std::string_view code, const CodeNaming& naming);
std::string name_of_code(const FunctionCode& code, const CodeNaming& naming);

// Caption of a menu item or group: " " + Str200 (the menu bullet) + " " + its text.
std::string menu_caption(std::string_view text, const TextLookup& lookup);

}  // namespace krvm
