// What the page buttons of the page bar do, apart from the widgets: whether a press counts,
// which page group it shows, what it resets and which picture the page gets, and which group
// shows again after a language switch. The window carries the result out on its controls.
#pragma once

#include <optional>
#include <string_view>

#include "core/ui/layout_plan.h"

namespace krvm {

// `Btn_Main_0Click` .. `Btn_Engineer_0Click`; every copy of a button shares its handler.
enum class PageButton { main, second, adv, breath, macro, engineer };

// What a press of a page button comes to before any page changes.
enum class PageGate {
    finding_device,  // no mouse is connected: the window says "Finding the specified device"
    inert,           // the no-device flag is set: nothing happens
    go,
};
PageGate page_gate(bool mouse_connected, bool no_device_flag);

inline constexpr int kMenuShortHeight = 170;  // cuts off the menu's "Fire Macro" entry
inline constexpr int kMenuTallHeight = 194;

struct PageShow {
    Page page;                        // the state radio button it checks (rb_1, rb_2, rb_4...)
    int group;                        // gbPage1..gbPage6, shown alone
    bool engineer_size;               // the window takes 1076 x 640 instead of the base size
    std::optional<int> key_mode;      // cb_KeyMode: 0 Office Mode, 1 Game Mode
    std::optional<int> menu_height;   // Pnl_Main and Pnl_Special
    std::optional<bool> third_combo;  // Img_ComboKey3 and IB_ComboKey3 shown
    std::string_view own_button;      // "Main": Img_Main_1..4 show as selected
    std::string_view picture_control;
    std::string_view picture_part;  // the language's page picture, "Back1".."Back4"
};

// The page-specific steps of a page button; `gd_enable` is the layout option `GD_Enable`.
PageShow page_show(PageButton button, bool gd_enable);

// The page bar button that stands for the current page (the fire page is reached from the key
// page and keeps its button).
std::string_view page_button_name(Page page);

// `RefreshAPPage`: the group to show alone after a language switch, or nothing when the visible
// groups stay as they are (the Game Mode page).
std::optional<int> refreshed_group(Page current, bool no_device_flag);

}  // namespace krvm
