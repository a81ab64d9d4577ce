#include "core/ui/skinned_button.h"

#include <array>

#include "core/ui/page_navigation.h"

namespace krvm {

namespace {

constexpr std::string_view kLabelPrefix = "Btn_";

constexpr std::array<std::string_view, 6> kDevice = {"Confirm",  "Apply",    "Read",
                                                     "Confirm1", "Confirm2", "Confirm3"};
constexpr std::array<std::string_view, 8> kPage = {"Main",  "Second",   "Adv",  "Breath",
                                                   "Macro", "Engineer", "Save", "Load"};
constexpr std::array<std::string_view, 3> kLanguage = {"Lang1", "Lang2", "Lang3"};
constexpr std::array<std::string_view, 4> kDialog = {"OK", "Cancel", "FireOK", "FireCancel"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::string_view n : names) {
        if (n == name) return true;
    }
    return false;
}

bool is_key_label(std::string_view label) {
    return label.size() == 4 && label.substr(0, 3) == "Key" && label[3] >= '1' && label[3] <= '9';
}

std::vector<ImageChange> one(std::string_view label, std::string_view image) {
    return {ImageChange{image_of(label), std::string(image)}};
}

}  // namespace

std::string_view button_base(std::string_view label) {
    if (label.substr(0, kLabelPrefix.size()) == kLabelPrefix)
        label.remove_prefix(kLabelPrefix.size());
    const std::size_t underscore = label.rfind('_');
    if (underscore != std::string_view::npos) label = label.substr(0, underscore);
    return label;
}

ButtonFamily button_family(std::string_view label) {
    if (is_key_label(label)) return ButtonFamily::key;
    if (label.substr(0, kLabelPrefix.size()) != kLabelPrefix) return ButtonFamily::none;
    std::string_view rest = label.substr(kLabelPrefix.size());
    if (among(kDialog, rest)) return ButtonFamily::dialog;
    const std::string_view base = button_base(label);
    if (base == rest) return ButtonFamily::none;  // page-bar buttons always carry a copy suffix
    if (among(kDevice, base)) return ButtonFamily::device;
    if (among(kPage, base)) return ButtonFamily::page;
    if (among(kLanguage, base)) return ButtonFamily::language;
    if (base == "Exit") return ButtonFamily::exit;
    if (base == "Mini") return ButtonFamily::minimise;
    if (base == "Web") return ButtonFamily::web;
    return ButtonFamily::none;
}

std::string image_of(std::string_view label) {
    if (label.substr(0, kLabelPrefix.size()) == kLabelPrefix)
        label.remove_prefix(kLabelPrefix.size());
    return "Img_" + std::string(label);
}

std::vector<ImageChange> all_copies(std::string_view base, std::string_view image) {
    std::vector<ImageChange> out;
    for (int copy = 1; copy <= kPageBarCopies; ++copy) {
        out.push_back(
            {"Img_" + std::string(base) + "_" + std::to_string(copy), std::string(image)});
    }
    return out;
}

std::vector<ImageChange> on_enter(std::string_view label, const HoverContext& context) {
    switch (button_family(label)) {
        case ButtonFamily::device:
            return all_copies(button_base(label), "BtnS_02");
        case ButtonFamily::page:
        case ButtonFamily::language:
            return one(label, "SetS_02");
        case ButtonFamily::key:
            return one(label, "KeyS_02");
        case ButtonFamily::dialog:
            return one(label, "MacroBtnS_02");
        case ButtonFamily::exit:
            return all_copies("Exit", "ExitS_02");
        case ButtonFamily::minimise:
            return all_copies("Mini", "MiniS_02");
        case ButtonFamily::web:
            if (context.mouse_connected) return all_copies("Web", "WebS_03");
            return {};
        case ButtonFamily::none:
            break;
    }
    return {};
}

std::vector<ImageChange> on_leave(std::string_view label, const HoverContext& context) {
    std::vector<ImageChange> out;
    switch (button_family(label)) {
        case ButtonFamily::device:
            return all_copies(button_base(label), "BtnS_01");
        case ButtonFamily::page: {
            out = one(label, "SetS_01");
            if (context.no_device) return out;
            const auto current = all_copies(page_button_name(context.page), "SetS_03");
            out.insert(out.end(), current.begin(), current.end());
            return out;
        }
        case ButtonFamily::language: {
            out = one(label, "SetS_01");
            const auto current = all_copies("Lang" + std::to_string(context.language), "SetS_03");
            out.insert(out.end(), current.begin(), current.end());
            return out;
        }
        case ButtonFamily::key:
            return one(label, "KeyS_01");
        case ButtonFamily::dialog:
            return one(label, "MacroBtnS_01");
        case ButtonFamily::exit:
            return all_copies("Exit", "ExitS_01");
        case ButtonFamily::minimise:
            return all_copies("Mini", "MiniS_01");
        case ButtonFamily::web:
            if (context.mouse_connected) return all_copies("Web", "WebS_01");
            return {};
        case ButtonFamily::none:
            break;
    }
    return out;
}

bool keeps_hover_caption(ButtonFamily family) {
    return family != ButtonFamily::web && family != ButtonFamily::none;
}

}  // namespace krvm
