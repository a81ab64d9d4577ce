#include "core/ui/page_navigation.h"

namespace krvm {

PageGate page_gate(bool mouse_connected, bool no_device_flag) {
    if (!mouse_connected) return PageGate::finding_device;
    if (no_device_flag) return PageGate::inert;
    return PageGate::go;
}

PageShow page_show(PageButton button, bool gd_enable) {
    switch (button) {
        case PageButton::main:
            return {Page::office, 1, false, 0, kMenuShortHeight, false, "Main", "Img_P1", "Back1"};
        case PageButton::second:
            return {Page::game,
                    1,
                    false,
                    1,
                    gd_enable ? kMenuTallHeight : kMenuShortHeight,
                    gd_enable,
                    "Second",
                    "Img_P1",
                    "Back1"};
        case PageButton::adv:
            return {Page::advanced, 2,     false,    std::nullopt, std::nullopt,
                    std::nullopt,   "Adv", "Img_P2", "Back2"};
        case PageButton::breath:
            return {Page::light,  3,        false,    std::nullopt, std::nullopt,
                    std::nullopt, "Breath", "Img_P3", "Back3"};
        case PageButton::macro:
            return {Page::macro,  4,       false,    std::nullopt, std::nullopt,
                    std::nullopt, "Macro", "Img_P4", "Back4"};
        case PageButton::engineer:
            break;
    }
    // The engineer page has no picture of its own; the macro page's picture is refreshed.
    return {Page::engineer, 6,          true,     std::nullopt, kMenuTallHeight,
            std::nullopt,   "Engineer", "Img_P4", "Back4"};
}

std::string_view page_button_name(Page page) {
    switch (page) {
        case Page::office:
        case Page::fire:
            return "Main";
        case Page::game:
            return "Second";
        case Page::advanced:
            return "Adv";
        case Page::light:
            return "Breath";
        case Page::macro:
            return "Macro";
        case Page::engineer:
            break;
    }
    return "Engineer";
}

std::optional<int> refreshed_group(Page current, bool no_device_flag) {
    if (no_device_flag) return 1;
    switch (current) {
        case Page::office:
        case Page::fire:
            return 1;
        case Page::game:
            return std::nullopt;
        case Page::advanced:
            return 2;
        case Page::light:
            return 3;
        case Page::macro:
            return 4;
        case Page::engineer:
            break;
    }
    return 6;
}

}  // namespace krvm
