// The fixed-code table and the naming rule. The order of the naming rules matters: a fixed code
// wins over the general rule of its type, so "0600F0" (the rapid-fire macro at image byte 240)
// is "Fire Key" and Win+D is "Desktop".
#include "core/buttons/function_codes.h"

#include "core/buttons/key_tables.h"

#include <algorithm>

namespace krvm {
namespace {

constexpr FixedCode kFixedCodes[] = {
    {900, {0x01, 0x01, 0x00}, "Str210", CodeGroup::standard_mouse},
    {901, {0x01, 0x02, 0x00}, "Str211", CodeGroup::standard_mouse},
    {902, {0x01, 0x04, 0x00}, "Str212", CodeGroup::standard_mouse},
    {903, {0x01, 0x08, 0x00}, "Str213", CodeGroup::standard_mouse},
    {904, {0x01, 0x10, 0x00}, "Str214", CodeGroup::standard_mouse},
    {2000, {0x05, 0x00, 0x00}, "Str231", CodeGroup::dpi},
    {2001, {0x07, 0x00, 0x00}, "Str232", CodeGroup::dpi},
    {2002, {0x08, 0x00, 0x00}, "Str233", CodeGroup::dpi},
    {1000, {0x06, 0x00, 0xF0}, "Str220", CodeGroup::special},
    {1001, {0x09, 0x00, 0x00}, "Str221", CodeGroup::special},
    {kAimEntry, {0x0A, 0x00, 0x00}, "Str222", CodeGroup::special},
    {1003, {0x0D, 0x00, 0x00}, "Str223", CodeGroup::special},
    {1004, {0x00, 0x00, 0x00}, "Str224", CodeGroup::special},
    {1005, {0x0F, 0x00, 0x00}, "Str225", CodeGroup::special},
    {1006, {0x10, 0x00, 0x00}, "Str226", CodeGroup::special},
    {1100, {0x03, 0x01, 0x94}, "Str240", CodeGroup::pc},  // AL Local Machine Browser
    {1101, {0x03, 0x01, 0x92}, "Str241", CodeGroup::pc},  // AL Calculator
    {1102, {0x03, 0x01, 0x8A}, "Str242", CodeGroup::pc},  // AL Email Reader
    {1103, {0x02, 0x08, 0x07}, "Str243", CodeGroup::pc},  // Win + D
    {1300, {0x03, 0x00, 0xCD}, "Str250", CodeGroup::media},
    {1301, {0x03, 0x00, 0xB7}, "Str251", CodeGroup::media},
    {1302, {0x03, 0x00, 0xB6}, "Str252", CodeGroup::media},
    {1303, {0x03, 0x00, 0xB5}, "Str253", CodeGroup::media},
    {1304, {0x03, 0x00, 0xE9}, "Str254", CodeGroup::media},
    {1305, {0x03, 0x00, 0xEA}, "Str255", CodeGroup::media},
    {1306, {0x03, 0x00, 0xE2}, "Str256", CodeGroup::media},
    {1400, {0x03, 0x02, 0x23}, "Str260", CodeGroup::www},  // AC Home
    {1401, {0x03, 0x02, 0x21}, "Str261", CodeGroup::www},  // AC Search
    {1402, {0x03, 0x02, 0x24}, "Str262", CodeGroup::www},  // AC Back
    {1403, {0x03, 0x02, 0x25}, "Str263", CodeGroup::www},  // AC Forward
    {1404, {0x03, 0x02, 0x26}, "Str264", CodeGroup::www},  // AC Stop
    {1405, {0x03, 0x02, 0x27}, "Str265", CodeGroup::www},  // AC Refresh
    {1406, {0x03, 0x02, 0x2A}, "Str266", CodeGroup::www},  // AC Bookmarks
};

// The guns of the fire macro page's presets, named when no gun key file exists.
struct GunPreset {
    FunctionCode code;
    std::string_view name_id;
};

constexpr GunPreset kGunPresets[] = {
    {{0x0C, 0x01, 0x01}, "Str600"}, {{0x0C, 0x02, 0x02}, "Str601"}, {{0x0C, 0x03, 0x03}, "Str602"},
    {{0x0C, 0x04, 0x04}, "Str603"}, {{0x0C, 0x05, 0x05}, "Str604"}, {{0x0C, 0x06, 0x06}, "Str605"},
    {{0x0C, 0x06, 0x07}, "Str605"}, {{0x0C, 0x08, 0x08}, "Str606"}, {{0x0C, 0x08, 0x09}, "Str606"},
    {{0x0C, 0x08, 0x0A}, "Str606"},
};

std::string lookup(const CodeNaming& naming, std::string_view id) {
    return naming.text ? naming.text(id) : std::string();
}

std::string keyboard_name(const FunctionCode& code) {
    static constexpr std::pair<std::uint8_t, std::string_view> kModifiers[] = {
        {kModifierCtrl, "Ctrl+"},
        {kModifierShift, "Shift+"},
        {kModifierAlt, "Alt+"},
        {kModifierWin, "Win+"}};
    std::string name;
    for (const auto& [bit, text] : kModifiers)
        if (code[kCodeParam1Byte] & bit) name += text;
    if (code[kCodeParam2Byte] != 0) name += usage_name(code[kCodeParam2Byte]);
    return name;
}

std::string macro_name(const FunctionCode& code, const CodeNaming& naming) {
    int address = code[kCodeParam1Byte] << 8 | code[kCodeParam2Byte];
    for (int slot = 1; slot <= kDeviceMacroSlotCount; ++slot)
        if (address == device_macro_address(slot))
            return naming.device_macro_name ? naming.device_macro_name(slot) : std::string();
    return {};
}

std::string gun_name(const FunctionCode& code, const CodeNaming& naming) {
    if (naming.gun_keys) {
        // The last equal entry wins.
        const GunKeyTable& keys = *naming.gun_keys;
        for (std::size_t k = keys.size(); k-- > 0;)
            if (keys[k] == code) return "Fire Macro" + std::to_string(k + 1);
        return {};
    }
    for (const GunPreset& preset : kGunPresets)
        if (preset.code == code) return lookup(naming, preset.name_id);
    return {};
}

}  // namespace

std::string_view group_text_id(CodeGroup group) {
    switch (group) {
        case CodeGroup::standard_mouse:
            return "Str201";
        case CodeGroup::special:
            return "Str202";
        case CodeGroup::dpi:
            return "Str230";
        case CodeGroup::media:
            return "Str203";
        case CodeGroup::www:
            return "Str204";
        case CodeGroup::user_defined:
            return "Str205";
        case CodeGroup::base_macro:
            return "Str206";
        case CodeGroup::pc:
            return "Str207";
        case CodeGroup::fire_macro:
            return "Str208";
    }
    return {};
}

std::span<const FixedCode> fixed_codes() {
    return kFixedCodes;
}

std::string code_for_entry(int entry, int aim_index) {
    auto row = std::ranges::find(kFixedCodes, entry, &FixedCode::entry);
    if (row == std::end(kFixedCodes)) return {};
    FunctionCode code = row->code;
    if (entry == kAimEntry) {
        if (aim_index < 0 || aim_index >= kAimIndexCount) return {};
        code[kCodeParam1Byte] = static_cast<std::uint8_t>(aim_index);
    }
    return bytes_to_code(code);
}

std::string name_of_code(std::string_view code, const CodeNaming& naming) {
    auto bytes = code_to_bytes(code);
    return bytes ? name_of_code(*bytes, naming) : std::string();
}

std::string name_of_code(const FunctionCode& code, const CodeNaming& naming) {
    for (const FixedCode& row : kFixedCodes)
        if (row.entry != kAimEntry && row.code == code) return lookup(naming, row.name_id);
    switch (code[kCodeTypeByte]) {
        case kCodeAim:
            return lookup(naming, "Str222");
        case kCodeKeyboard:
            return keyboard_name(code);
        case kCodeMacro:
        case kCodeMacroReleaseStop:
            return macro_name(code, naming);
        case kCodeGun:
            return gun_name(code, naming);
        default:
            return {};
    }
}

std::string menu_caption(std::string_view text, const TextLookup& lookup) {
    return " " + (lookup ? lookup("Str200") : std::string()) + " " + std::string(text);
}

}  // namespace krvm
