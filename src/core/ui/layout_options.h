// The global options of the product variant (resource ORG, section "org"), read once at
// start-up: the web button, caption rolling, gun display, the level-row style, the reserved
// identifiers, the macro folder and the gun modes.
#pragma once

#include <string>

#include "core/common/result.h"
#include "core/ui/ini_sections.h"

namespace krvm {

struct LayoutOptions {
    bool web_enable = false;  // `Web_Enable`: the web button opens `web`
    std::string web;          // `Web`
    int web_x = 466;          // `Web_X`, `Web_Y`: 8562 puts the button outside the window
    int web_y = 8562;
    int rev_manu_id = 0;  // `Rev_Manu_ID`, `Rev_Pro_ID`: extra accepted identifiers
    int rev_pro_id = 0;
    std::string path;           // `Path`: folder of the macro library; empty: the program's
    bool tr_enable = false;     // `TR_Enable`: hovered captions roll
    bool gd_enable = true;      // `GD_Enable`: gun display on the Game Mode page
    bool dpiled_status = true;  // `DPILED_Status`: 1 lights only the value's segment
    int gun6_num = 2;           // `Gun6_Num`, clamped to 1..2
    int gun7_num = 3;           // `Gun7_Num`, clamped to 1..3
    int num_order = 0;          // `Num_Order`, clamped to 0..1: 1 numbers the LED rows downward
};

// Reads the section "org". A missing key or one that is not a number keeps its default; the
// error lists them, with the options read so far still usable through `options_from`.
LayoutOptions options_from(const IniSections& ini);
Result<LayoutOptions> read_options_checked(const IniSections& ini);

// `read_options`: the embedded ORG.
Result<LayoutOptions> read_options();

}  // namespace krvm
