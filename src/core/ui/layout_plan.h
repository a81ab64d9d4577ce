// The key families of a layout turned into concrete changes of named controls: where each
// control goes, whether it shows, its size, font size and colours. The plan is plain data so the
// rules can be tested without widgets; the GUI's layout engine applies it by control name.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/ui/layout.h"
#include "core/ui/layout_options.h"

namespace krvm {

// The page that is current while the layout is applied (the third mode-switch option depends
// on it).
enum class Page { office, game, advanced, light, macro, fire, engineer };

struct Placement {
    std::string control;
    std::optional<bool> visible;
    std::optional<int> x;
    std::optional<int> y;
    std::optional<int> width;
    std::optional<int> height;
    std::optional<int> font_size;
    std::optional<Rgb> font_colour;
    std::optional<Rgb> back_colour;
    std::optional<Rgb> border_colour;
    // A skinned button's label lies above its image, so clicks and hover reach the label.
    bool on_top = false;
    // Menu panels: font and colour go to the panel's item labels, which are `item_width` wide;
    // the ">>" arrow labels move to `arrow_x`.
    bool to_items = false;
    std::optional<int> item_width;
    std::optional<int> arrow_x;
};

// Values the other parts of the window keep from the layout.
struct KeptLayout {
    int btn_space_f = 0;
    int btn_space_b = 0;
    int macro_name_height = 0;
    Rgb cpi_selected;
    Rgb cpi_not_selected;
    Rgb menu_highlight_font;
    Rgb menu_highlight_back;
    Rgb text_button_font;
    Rgb text_button_back;
    bool combo_key3_enabled = false;
};

struct LayoutPlan {
    std::vector<Placement> placements;  // in the order of the key families
    KeptLayout kept;
};

LayoutPlan plan_layout(const Layout& layout, const LayoutOptions& options, Page current);

// The positions and colours of the small value-input dialogs (the "L" keys).
std::vector<Placement> plan_value_dialog(const Layout& layout);

}  // namespace krvm
