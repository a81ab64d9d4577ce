#include "core/ui/layout_plan.h"

#include <array>
#include <string_view>

#include "core/ui/skin_images.h"

namespace krvm {

namespace {

constexpr int kPageGroups = 4;
constexpr int kBarSteps = 11;    // segments of the speed, CPI and AIM rows
constexpr int kLedNumbers = 10;  // MCU LED light count 4..13
constexpr int kLedSteps = 8;     // MCU LED step 0..7
constexpr int kBarLabelDx = 4;   // number label under a bar segment
constexpr int kBarLabelDy = 24;
constexpr int kOptionLabelDx = -4;  // light page option label beside its image
constexpr int kOptionLabelDy = -2;
constexpr int kRowLabelDx = -2;  // radio and toggle labels start just left of the image
constexpr int kComboLabelDy = -2;
constexpr int kInsertBaseOffset = 10;  // the insert group's picture inside its frame
constexpr int kDelayLabelDx = -74;
constexpr int kAxisLabelDx = -64;
constexpr int kEditLabelDy = 2;
constexpr int kMenuItemInset = 4;
constexpr int kMenuArrowInset = 24;
constexpr int kEngineerX = 10;
constexpr int kEngineerY = 10;

struct SkinnedButton {
    std::string_view keys;   // key prefix, e.g. "Btn_A1_"
    std::string_view name;   // control name between "Img_"/"Btn_" and the copy suffix
    std::string_view image;  // skin image that gives the size
};

constexpr std::array<SkinnedButton, 8> kAButtons = {{
    {"Btn_A1_", "Confirm", "BtnS_01"},
    {"Btn_A2_", "Apply", "BtnS_01"},
    {"Btn_A8_", "Read", "BtnS_01"},
    {"Btn_A3_", "Confirm1", "BtnS_01"},
    {"Btn_A5_", "Confirm2", "BtnS_01"},
    {"Btn_A6_", "Confirm3", "BtnS_01"},
    {"Btn_A4_", "Exit", "ExitS_01"},
    {"Btn_A7_", "Mini", "MiniS_01"},
}};

constexpr std::array<SkinnedButton, 10> kBButtons = {{
    {"Btn_B1_", "Main", "SetS_01"},
    {"Btn_B2_", "Second", "SetS_01"},
    {"Btn_B4_", "Adv", "SetS_01"},
    {"Btn_B5_", "Breath", "SetS_01"},
    {"Btn_B11_", "Macro", "SetS_01"},
    {"Btn_B6_", "Save", "SetS_01"},
    {"Btn_B7_", "Load", "SetS_01"},
    {"Btn_B8_", "Lang1", "SetS_01"},
    {"Btn_B9_", "Lang2", "SetS_01"},
    {"Btn_B10_", "Lang3", "SetS_01"},
}};

constexpr std::array<std::string_view, 6> kALabels = {"Confirm",  "Apply",    "Read",
                                                      "Confirm1", "Confirm2", "Confirm3"};
constexpr std::array<std::string_view, 11> kBLabels = {"Main",  "Second",   "Adv",  "Breath",
                                                       "Macro", "Engineer", "Save", "Load",
                                                       "Lang1", "Lang2",    "Lang3"};

constexpr std::array<std::string_view, 9> kMenuPanels = {
    "Pnl_Main", "Pnl_Special", "Pnl_CPIKey", "Pnl_MseKey",   "Pnl_Media",
    "Pnl_WWW",  "Pnl_MyPC",    "Pnl_Macro",  "Pnl_FireMacro"};

struct Option {
    std::string_view keys;
    std::string_view name;  // "Img_" + name and "lbl_" + name
};

constexpr std::array<Option, 17> kLightOptions = {{
    {"LEDOn_", "LEDOn"},
    {"LEDOff_", "LEDOff"},
    {"MCPIOn_", "MCPIOn"},
    {"MCPIOff_", "MCPIOff"},
    {"LEDSwitchOn_", "LCPIOn"},
    {"LEDSwitchOff_", "LCPIOff"},
    {"SaveKeyMode_", "SaveKeyMode"},
    {"NoSaveKeyMode_", "NoSaveKeyMode"},
    {"MCULEDMode1_", "MCULEDMode1"},
    {"MCULEDMode2_", "MCULEDMode2"},
    {"MCULEDMode3_", "MCULEDMode3"},
    {"MCULEDMode4_", "MCULEDMode4"},
    {"MCULEDMode5_", "MCULEDMode5"},
    {"MCULEDMode6_", "MCULEDMode6"},
    {"MCULEDMode7_", "MCULEDMode7"},
    {"LED3Control_", "MCULED3Control"},
    {"LED6Control_", "MCULED6Control"},
}};

// Macro page controls that take `Size_F` and `Color_F_*`.
constexpr std::array<std::string_view, 20> kMacroTexts = {"Btn_New",
                                                          "Btn_Start",
                                                          "Btn_InsertStart",
                                                          "Btn_OK",
                                                          "Btn_Cancel",
                                                          "Btn_Del",
                                                          "Btn_Insert",
                                                          "Btn_Edit",
                                                          "LB_PCMacroName",
                                                          "LB_macro",
                                                          "IB_RecDelay",
                                                          "IB_DelayTime",
                                                          "IB_NoDelay",
                                                          "IB_ReleaseStop",
                                                          "IB_ReleaseContiue",
                                                          "IB_InsertRecDelay",
                                                          "IB_InsertDelayTime",
                                                          "IB_InsertNoDelay",
                                                          "lbl_Delay",
                                                          "lbl_s_A"};
constexpr std::array<std::string_view, 5> kMacroEdits = {
    "Edt_Delay", "Edt_InsertDelay", "edt_Repeat", "edt_XAxisValue", "edt_YAxisValue"};
constexpr std::array<std::string_view, 3> kTextButtons = {"Btn_Del", "Btn_Insert", "Btn_Edit"};

constexpr std::array<std::string_view, 5> kFireColumns = {"FireCnt", "FireX", "FireY",
                                                          "FireY_Offset", "FireTime"};
constexpr std::array<std::string_view, 5> kFireEditorEdits = {
    "Edt_FireDelay", "Edt_InsertFireDelay", "edt_FireRepeat", "edt_FireXAxisValue",
    "edt_FireYAxisValue"};

SkinImage size_of(std::string_view image) {
    const std::optional<SkinImage> found = skin_image(image);
    return found.value_or(SkinImage{image, 0, 0});
}

std::string str(std::string_view a, std::string_view b = {}, std::string_view c = {}) {
    std::string out(a);
    out += b;
    out += c;
    return out;
}

std::string num(int n) {
    return std::to_string(n);
}

class Planner {
  public:
    Planner(const Layout& layout, std::vector<Placement>& out) : l_(layout), out_(out) {}

    int v(const std::string& key) const { return l_.value(key); }
    Rgb colour(const std::string& prefix) const { return l_.colour(prefix); }

    Placement& add(std::string control) {
        out_.push_back(Placement{});
        out_.back().control = std::move(control);
        return out_.back();
    }
    void move(std::string control, int x, int y) {
        Placement& p = add(std::move(control));
        p.x = x;
        p.y = y;
    }
    void rect(std::string control, int x, int y, int w, int h) {
        Placement& p = add(std::move(control));
        p.x = x;
        p.y = y;
        p.width = w;
        p.height = h;
    }
    void font(std::string control, std::optional<int> size, std::optional<Rgb> colour) {
        Placement& p = add(std::move(control));
        p.font_size = size;
        p.font_colour = colour;
    }
    void colours(std::string control, std::optional<Rgb> back, std::optional<Rgb> border) {
        Placement& p = add(std::move(control));
        p.back_colour = back;
        p.border_colour = border;
    }
    void visible(std::string control, bool shown) { add(std::move(control)).visible = shown; }

    // A skinned button: image at (x, y), its label over it, narrowed by the front and back
    // margins of an irregular image.
    void skinned(const std::string& image, const std::string& label, int x, int y,
                 std::string_view skin, int front = 0, int back = 0) {
        const SkinImage size = size_of(skin);
        move(image, x, y);
        rect(label, x + front, y, size.width - front - back, size.height);
        out_.back().on_top = true;
    }

    // A row of bar images `image_base` 1..count from (x, y), `gap` pixels apart; with a label
    // name, each segment gets a number label under it, numbered backwards when `reversed`.
    void bar(const std::string& image_base, const std::string& label_base, int count, int x, int y,
             int gap, std::string_view skin, bool reversed = false) {
        const int step = gap + size_of(skin).width;
        for (int i = 1; i <= count; ++i) {
            const int left = x + (i - 1) * step;
            move(image_base + num(i), left, y);
            if (label_base.empty()) continue;
            const int n = reversed ? count + 1 - i : i;
            move(label_base + num(n), left + kBarLabelDx, y + kBarLabelDy);
        }
    }

  private:
    const Layout& l_;
    std::vector<Placement>& out_;
};

void plan_buttons(Planner& p, const LayoutOptions& options, KeptLayout& kept) {
    const int size_a = p.v("Size_A");
    const Rgb colour_a = p.colour("Color_A_");
    for (int g = 1; g <= kPageGroups; ++g) {
        for (std::string_view name : kALabels)
            p.font(str("Btn_", name, "_") + num(g), size_a, colour_a);
    }
    for (const SkinnedButton& b : kAButtons) {
        const bool on = p.v(str(b.keys, "Enable")) == 1;
        const int x = p.v(str(b.keys, "X"));
        const int y = p.v(str(b.keys, "Y"));
        for (int g = 1; g <= kPageGroups; ++g) {
            const std::string image = str("Img_", b.name, "_") + num(g);
            const std::string label = str("Btn_", b.name, "_") + num(g);
            p.visible(image, on);
            p.visible(label, on);
            if (on) p.skinned(image, label, x, y, b.image);
        }
    }
    for (int g = 1; g <= kPageGroups; ++g) {
        p.skinned("Img_Web_" + num(g), "Btn_Web_" + num(g), options.web_x, options.web_y,
                  "WebS_01");
    }

    const int size_b = p.v("Size_B");
    const Rgb colour_b = p.colour("Color_B_");
    for (int g = 1; g <= kPageGroups; ++g) {
        for (std::string_view name : kBLabels)
            p.font(str("Btn_", name, "_") + num(g), size_b, colour_b);
    }
    kept.btn_space_f = p.v("Btn_Space_F");
    kept.btn_space_b = p.v("Btn_Space_B");
    for (const SkinnedButton& b : kBButtons) {
        const bool on = p.v(str(b.keys, "Enable")) == 1;
        const int x = p.v(str(b.keys, "X"));
        const int y = p.v(str(b.keys, "Y"));
        for (int g = 1; g <= kPageGroups; ++g) {
            const std::string image = str("Img_", b.name, "_") + num(g);
            const std::string label = str("Btn_", b.name, "_") + num(g);
            p.visible(image, on);
            p.visible(label, on);
            if (on) p.skinned(image, label, x, y, b.image, kept.btn_space_f, kept.btn_space_b);
        }
    }
    for (int g = 1; g <= kPageGroups; ++g) {
        p.skinned("Img_Engineer_" + num(g), "Btn_Engineer_" + num(g), kEngineerX, kEngineerY,
                  "SetS_01", kept.btn_space_f, kept.btn_space_b);
    }
}

void plan_key_page(Planner& p, const LayoutOptions& options, Page current, KeptLayout& kept) {
    const int size_c = p.v("Size_C");
    const Rgb colour_c = p.colour("Color_C_");
    for (int k = 1; k <= 9; ++k) p.font("Key" + num(k), size_c, colour_c);
    for (int k = 1; k <= 3; ++k) p.font("IB_ComboKey" + num(k), size_c - 1, colour_c);
    for (int n = 1; n <= 5; ++n) {
        p.move("Img_P" + num(n), p.v("P" + num(n) + "_X"), p.v("P" + num(n) + "_Y"));
    }
    for (int k = 1; k <= 9; ++k) {
        const std::string keys = "Key" + num(k) + "_";
        const bool on = p.v(keys + "Enable") == 1;
        p.visible("Img_Key" + num(k), on);
        p.visible("Key" + num(k), on);
        p.skinned("Img_Key" + num(k), "Key" + num(k), p.v(keys + "X"), p.v(keys + "Y"), "KeyS_01");
    }
    for (int k = 1; k <= 3; ++k) {
        const std::string keys = "ComboKey" + num(k) + "_";
        const bool enabled = p.v(keys + "Enable") == 1;
        bool shown = enabled;
        if (k == 3) {
            kept.combo_key3_enabled = enabled;
            shown = enabled && options.gd_enable && current == Page::game;
        }
        const int x = p.v(keys + "X");
        const int y = p.v(keys + "Y");
        p.move("Img_ComboKey" + num(k), x, y);
        p.move("IB_ComboKey" + num(k), x, y + kComboLabelDy);
        p.visible("Img_ComboKey" + num(k), shown);
        p.visible("IB_ComboKey" + num(k), shown);
    }
}

void plan_menus(Planner& p, KeptLayout& kept) {
    const int size_g = p.v("Size_G");
    const Rgb colour_g = p.colour("Color_G_");
    const Rgb back = p.colour("Color_G_Back_");
    const Rgb border = p.colour("Color_G_Border_");
    kept.menu_highlight_font = p.colour("Color_G_SF_");
    kept.menu_highlight_back = p.colour("Color_G_SP_");
    const int main_w = p.v("M_L_W");
    const int special_w = p.v("SP_L_W");
    const int other_w = p.v("O_L_W");
    for (std::string_view panel : kMenuPanels) {
        const int w = panel == "Pnl_Main" ? main_w : panel == "Pnl_Special" ? special_w : other_w;
        Placement& m = p.add(std::string(panel));
        m.to_items = true;
        m.font_size = size_g;
        m.font_colour = colour_g;
        m.back_colour = back;
        m.border_colour = border;
        m.width = w;
        m.item_width = w - kMenuItemInset;
        m.arrow_x = w - kMenuArrowInset;
    }
    p.colours("LB_Name", back, border);
}

void plan_advanced_page(Planner& p, KeptLayout& kept) {
    const int size_d = p.v("Size_D");
    kept.cpi_selected = p.colour("Color_D_Selected_");
    kept.cpi_not_selected = p.colour("Color_D_notSelected_");
    const Rgb other = kept.cpi_not_selected;
    for (std::string_view row : {"Spd", "DbSpd", "ScrSpd"}) {
        for (int i = 1; i <= kBarSteps; ++i) p.font(str("lbl_", row) + num(i), size_d, other);
    }
    for (int k = 1; k <= 7; ++k) {
        p.font("lbl_DPI" + num(k), size_d + 1, other);
        p.font("lbl_DPI" + num(k) + "Value", size_d, other);
    }
    p.font("lbl_AIMKey", size_d + 1, kept.cpi_selected);
    p.font("lbl_AIMKeyValue", size_d, other);
    const Rgb back = p.colour("Color_D_Back_");
    const Rgb border = p.colour("Color_D_Border_");
    for (std::string_view edit : {"Edt_Repeat1", "Edt_DelayTime1"}) {
        p.font(std::string(edit), std::nullopt, other);
        p.colours(std::string(edit), back, border);
    }
    p.move("Edt_Repeat1", p.v("FKCnt_X"), p.v("FKCnt_Y"));
    p.move("Edt_DelayTime1", p.v("FKDelay_X"), p.v("FKDelay_Y"));
    for (std::string_view row : {"Spd", "DbSpd", "ScrSpd"}) {
        const std::string keys = str(row, "_");
        p.bar(str("Img_", row), str("lbl_", row), kBarSteps, p.v(keys + "X"), p.v(keys + "Y"),
              p.v(keys + "D"), "Bar1_D");
    }
    const int control_x = p.v("IsControl_X");
    const int control_y = p.v("IsControl_Y");
    p.move("Img_IsControl", control_x, control_y);
    p.move("lbl_IsControl", control_x - 8, control_y);
    const int screen_x = p.v("IsScreen_X");
    const int screen_y = p.v("IsScreen_Y");
    p.move("Img_IsScreen", screen_x, screen_y);
    p.move("lbl_IsScreen", screen_x - 2, screen_y);

    const SkinImage frame = size_of("Col_F");
    for (int k = 1; k <= 7; ++k) {
        const std::string keys = "DPI" + num(k) + "_";
        const std::string level = "DPI" + num(k);
        const int cx = p.v(keys + "Color_X");
        const int cy = p.v(keys + "Color_Y");
        p.move("Img_" + level + "Col", cx, cy);
        p.rect("cs_" + level + "Col", cx, cy, frame.width, frame.height);
        p.rect("lbl_" + level + "Col", cx, cy, frame.width, frame.height);
        p.move("Img_" + level, p.v(keys + "Check_X"), p.v(keys + "Check_Y"));
        p.move("lbl_" + level, p.v(keys + "X"), p.v(keys + "Y"));
        p.move("lbl_" + level + "Value", p.v(keys + "Value_X"), p.v(keys + "Value_Y"));
        p.bar("Img_" + level + "_", "", kBarSteps, p.v(keys + "Steps_X"), p.v(keys + "Steps_Y"),
              p.v(keys + "Steps_D"), "Bar2_D");
    }
    p.move("lbl_AIMKey", p.v("AIMKey_X"), p.v("AIMKey_Y"));
    p.move("lbl_AIMKeyValue", p.v("AIMKey_Value_X"), p.v("AIMKey_Value_Y"));
    p.bar("Img_AIMKey_", "", kBarSteps, p.v("AIMKey_Steps_X"), p.v("AIMKey_Steps_Y"),
          p.v("AIMKey_Steps_D"), "Bar2_D");
}

void plan_light_page(Planner& p, const LayoutOptions& options) {
    const int size_e = p.v("Size_E");
    const Rgb colour_e = p.colour("Color_E_");
    for (const Option& o : kLightOptions) p.font(str("lbl_", o.name), size_e, colour_e);
    for (int i = 1; i <= kLedNumbers; ++i) p.font("lbl_MCULEDNum_" + num(i), size_e, colour_e);
    for (int i = 1; i <= kLedSteps; ++i) p.font("lbl_MCULEDStep_" + num(i), size_e, colour_e);
    for (const Option& o : kLightOptions) {
        const int x = p.v(str(o.keys, "X"));
        const int y = p.v(str(o.keys, "Y"));
        p.move(str("Img_", o.name), x, y);
        p.move(str("lbl_", o.name), x + kOptionLabelDx, y + kOptionLabelDy);
    }
    const bool reversed = options.num_order == 1;
    p.bar("Img_MCULEDNum_", "lbl_MCULEDNum_", kLedNumbers, p.v("MCULEDNum_X"), p.v("MCULEDNum_Y"),
          p.v("MCULEDNum_D"), "Bar1_D", reversed);
    p.bar("Img_MCULEDStep_", "lbl_MCULEDStep_", kLedSteps, p.v("MCULEDStep_X"), p.v("MCULEDStep_Y"),
          p.v("MCULEDStep_D"), "Bar1_D", reversed);
    const SkinImage frame = size_of("Col_F");
    for (int k = 1; k <= 2; ++k) {
        const std::string keys = "KeyMode" + num(k) + "_";
        const int x = p.v(keys + "X");
        const int y = p.v(keys + "Y");
        p.move("Img_KeyMode" + num(k), x, y);
        p.rect("cs_KeyMode" + num(k), x, y, frame.width, frame.height);
    }
}

void option_rows(Planner& p, std::string_view keys, std::initializer_list<std::string_view> names) {
    const int x = p.v(str(keys, "X"));
    const int y = p.v(str(keys, "Y"));
    const int h = p.v(str(keys, "H"));
    int k = 0;
    for (std::string_view name : names) {
        p.move(str("Img_", name), x, y + k * h);
        p.move(str("IB_", name), x + kRowLabelDx, y + k * h);
        ++k;
    }
}

void option_row(Planner& p, std::string_view keys, std::string_view name) {
    const int x = p.v(str(keys, "X"));
    const int y = p.v(str(keys, "Y"));
    p.move(str("Img_", name), x, y);
    p.move(str("IB_", name), x + kRowLabelDx, y);
}

void axis_edits(Planner& p, std::initializer_list<std::string_view> edits,
                std::initializer_list<std::string_view> labels) {
    const int x = p.v("InsertAxisEdit_X");
    const int y = p.v("InsertAxisEdit_Y");
    for (std::string_view edit : edits) p.move(std::string(edit), x, y);
    for (std::string_view label : labels)
        p.move(std::string(label), x + kAxisLabelDx, y + kEditLabelDy);
}

void plan_macro_page(Planner& p, KeptLayout& kept) {
    const int size_f = p.v("Size_F");
    const Rgb colour_f = p.colour("Color_F_");
    for (std::string_view name : kMacroTexts) p.font(std::string(name), size_f, colour_f);
    const Rgb list_back = p.colour("Color_F_LBack_");
    p.colours("LB_PCMacroName", list_back, std::nullopt);
    p.colours("LB_macro", list_back, std::nullopt);
    const Rgb edit_border = p.colour("Color_F_LBorder_");
    for (std::string_view edit : kMacroEdits)
        p.colours(std::string(edit), std::nullopt, edit_border);
    kept.text_button_font = p.colour("Color_F_Font_");
    kept.text_button_back = p.colour("Color_F_Back_");
    for (std::string_view button : kTextButtons) {
        p.font(std::string(button), std::nullopt, kept.text_button_font);
        p.colours(std::string(button), kept.text_button_back, std::nullopt);
    }
    Placement& names = p.add("LB_PCMacroName");
    names.x = p.v("PCMacroName_X");
    names.y = p.v("PCMacroName_Y");
    names.height = p.v("PCMacroName_H");
    p.move("LB_macro", p.v("MacroContent_X"), p.v("MacroContent_Y"));
    kept.macro_name_height = p.v("MacroNameHeight");
    p.skinned("Img_New", "Btn_New", p.v("BtnNew_X"), p.v("BtnNew_Y"), "MacroS_01");
    p.skinned("Img_Start", "Btn_Start", p.v("BtnStart_X"), p.v("BtnStart_Y"), "MacroS_01");

    p.move("Gb_Delay", p.v("DelayTime_X"), p.v("DelayTime_Y"));
    option_rows(p, "RecDelay_", {"RecDelay", "DelayTime", "NoDelay"});
    p.move("Edt_Delay", p.v("DelayEdit_X"), p.v("DelayEdit_Y"));
    option_row(p, "ReleaseStop_", "ReleaseStop");
    option_row(p, "ReleaseContinue_", "ReleaseContiue");

    const int insert_x = p.v("Insert_X");
    const int insert_y = p.v("Insert_Y");
    p.move("Gb_Insert", insert_x, insert_y);
    p.move("Img_InsertBase", insert_x + kInsertBaseOffset, insert_y + kInsertBaseOffset);
    p.move("CB_Insert", p.v("InsertList_X"), p.v("InsertList_Y"));
    option_rows(p, "InsertRecDelay_", {"InsertRecDelay", "InsertDelayTime", "InsertNoDelay"});
    const int delay_x = p.v("InsertDelayEdit_X");
    const int delay_y = p.v("InsertDelayEdit_Y");
    p.move("Edt_InsertDelay", delay_x, delay_y);
    p.move("lbl_Delay", delay_x + kDelayLabelDx, delay_y + kEditLabelDy);
    axis_edits(p, {"edt_XAxisValue", "edt_YAxisValue", "edt_Repeat"},
               {"lbl_XAxisValue", "lbl_YAxisValue", "lbl_Repeat"});
    p.skinned("Img_InsertStart", "Btn_InsertStart", p.v("InsertBtnStart_X"),
              p.v("InsertBtnStart_Y"), "MacroS_01");
    p.skinned("Img_OK", "Btn_OK", p.v("InsertBtnOK_X"), p.v("InsertBtnOK_Y"), "MacroBtnS_01");
    p.skinned("Img_Cancel", "Btn_Cancel", p.v("InsertBtnCancel_X"), p.v("InsertBtnCancel_Y"),
              "MacroBtnS_01");
}

void plan_fire_page(Planner& p) {
    const int size_j = p.v("Size_J");
    const Rgb font = p.colour("Color_J_Font_");
    const Rgb back = p.colour("Color_J_Back_");
    const Rgb border = p.colour("Color_J_Border_");
    auto edit = [&](const std::string& name) {
        p.font(name, size_j, font);
        p.colours(name, back, border);
    };
    for (std::string_view column : kFireColumns) {
        for (int c = 1; c <= 3; ++c) {
            edit(column == "FireY_Offset" ? "Edt_FireY" + num(c) + "Offset"
                                          : str("Edt_", column) + num(c));
        }
    }
    for (std::string_view name : kFireEditorEdits) edit(std::string(name));
    const Rgb captions = p.colour("Color_F_");
    for (int k = 1; k <= 7; ++k) p.font("Btn_Fire" + num(k), std::nullopt, captions);
    p.font("Btn_FireConfirm", std::nullopt, captions);
    p.font("Btn_FireExit", std::nullopt, captions);

    for (int k = 1; k <= 7; ++k) {
        const std::string keys = "Fire" + num(k) + "_";
        p.skinned("Img_Fire" + num(k), "Btn_Fire" + num(k), p.v(keys + "X"), p.v(keys + "Y"),
                  "Gun1_01");
    }
    for (int k = 1; k <= 5; ++k) {
        const std::string keys = "GunMode" + num(k) + "_";
        p.move("Img_GunMode" + num(k), p.v(keys + "X"), p.v(keys + "Y"));
    }
    const SkinImage frame = size_of("Col_F");
    for (int c = 1; c <= 3; ++c) {
        const std::string keys = "RKFS" + num(c) + "_";
        const int x = p.v(keys + "X");
        const int y = p.v(keys + "Y");
        p.move("Img_FireRKFS" + num(c), x, y);
        p.move("lbl_FireRKFS" + num(c), x + kRowLabelDx, y);
        for (std::string_view column : kFireColumns) {
            const bool offset = column == "FireY_Offset";
            const std::string prefix =
                offset ? "FireY" + num(c) + "_Offset_" : str(column) + num(c) + "_";
            const std::string control =
                offset ? "Edt_FireY" + num(c) + "Offset" : str("Edt_", column) + num(c);
            p.move(control, p.v(prefix + "X"), p.v(prefix + "Y"));
        }
        const std::string colour_keys = "FireColor" + num(c) + "_";
        const int fx = p.v(colour_keys + "X");
        const int fy = p.v(colour_keys + "Y");
        p.move("Img_FireColor" + num(c), fx, fy);
        p.rect("cs_FireColor" + num(c), fx, fy, frame.width, frame.height);
        p.rect("IB_FireColor" + num(c), fx, fy, frame.width, frame.height);
    }
    p.skinned("Img_FireConfirm", "Btn_FireConfirm", p.v("FireConfirm_X"), p.v("FireConfirm_Y"),
              "BtnS_01");
    p.skinned("Img_FireExit", "Btn_FireExit", p.v("FireCancel_X"), p.v("FireCancel_Y"), "BtnS_01");
    axis_edits(p, {"edt_FireXAxisValue", "edt_FireYAxisValue", "edt_FireRepeat"},
               {"lbl_FireXAxisValue", "lbl_FireYAxisValue", "lbl_FireRepeat"});
}

}  // namespace

LayoutPlan plan_layout(const Layout& layout, const LayoutOptions& options, Page current) {
    LayoutPlan plan;
    Planner p(layout, plan.placements);
    plan_buttons(p, options, plan.kept);
    plan_key_page(p, options, current, plan.kept);
    plan_menus(p, plan.kept);
    plan_advanced_page(p, plan.kept);
    plan_light_page(p, options);
    plan_macro_page(p, plan.kept);
    plan_fire_page(p);
    return plan;
}

std::vector<Placement> plan_value_dialog(const Layout& layout) {
    std::vector<Placement> out;
    Planner p(layout, out);
    const int size = p.v("Size_L");
    const Rgb colour = p.colour("Color_L_");
    p.font("lbl_EditTime", size + 5, colour);
    p.font("Edt_EditTime", size + 3, p.colour("Color_L_MN_"));
    for (std::string_view label : {"IB_Confirm", "IB_Cancel"})
        p.font(std::string(label), size + 1, colour);
    p.move("lbl_EditTime", p.v("MNT_X"), p.v("MNT_Y"));
    Placement& edit = p.add("Edt_EditTime");
    edit.x = p.v("MNC_X");
    edit.y = p.v("MNC_Y");
    edit.width = p.v("MNC_W");
    p.skinned("Img_Confirm", "IB_Confirm", p.v("MN_Cfm_X"), p.v("MN_Cfm_Y"), "BtnS_01");
    p.skinned("Img_Cancel", "IB_Cancel", p.v("MN_Clear_X"), p.v("MN_Clear_Y"), "BtnS_01");
    p.skinned("Img_Close", "IB_Close", p.v("MN_Close_X"), p.v("MN_Close_Y"), "ExitS_01");
    return out;
}

}  // namespace krvm
