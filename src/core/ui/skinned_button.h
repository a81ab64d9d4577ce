// How the skinned buttons answer the pointer: each button is a transparent caption label over a
// state image ("_01" normal, "_02" hover, "_03" pressed or selected). The label's name decides
// the button's family and so which images change on entering and leaving; the page-bar buttons
// exist once per page group ("_1".."_4") and some families change all four copies together.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/ui/layout_plan.h"

namespace krvm {

enum class ButtonFamily {
    none,
    device,    // A: Confirm, Apply, Read, Confirm1..3
    page,      // B: Main, Second, Adv, Breath, Macro, Engineer, Save, Load
    key,       // C: the key labels Key1..Key9
    language,  // D: Lang1..Lang3
    dialog,    // G: OK and Cancel of the macro and fire editors
    exit,      // I
    minimise,  // J
    web,
};

inline constexpr int kPageBarCopies = 4;

struct ImageChange {
    std::string control;  // "Img_Apply_3"
    std::string image;    // "BtnS_02"
    bool operator==(const ImageChange&) const = default;
};

// Where the pointer is and what the window is in, as far as the images depend on it.
struct HoverContext {
    Page page = Page::office;  // the checked state radio button
    int language = 1;
    bool no_device = false;
    bool mouse_connected = false;
};

ButtonFamily button_family(std::string_view label);

// The button's name without "Btn_" and without its copy suffix: "Btn_Apply_2" -> "Apply".
std::string_view button_base(std::string_view label);

// The image under a label: "Img_" and the label's name without "Btn_" ("Btn_Save_2" ->
// "Img_Save_2"; "Key3" -> "Img_Key3").
std::string image_of(std::string_view label);

// "Img_<base>_1".."Img_<base>_4" all showing `image`.
std::vector<ImageChange> all_copies(std::string_view base, std::string_view image);

std::vector<ImageChange> on_enter(std::string_view label, const HoverContext& context);
std::vector<ImageChange> on_leave(std::string_view label, const HoverContext& context);

// Families that save the caption on entering, roll it and give it back on leaving.
bool keeps_hover_caption(ButtonFamily family);

}  // namespace krvm
