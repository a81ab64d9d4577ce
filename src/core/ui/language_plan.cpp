#include "core/ui/language_plan.h"

#include <array>

namespace krvm {

namespace {

constexpr int kPageGroups = 4;
constexpr int kKeyLabels = 9;
constexpr std::string_view kEngineerCaption = "Engineer";
constexpr std::string_view kComboIndent = "     ";     // five blanks before a mode-switch text
constexpr std::string_view kInsertIndent = "       ";  // seven before a macro-page option
constexpr std::string_view kFireIndent = "      ";     // six before a fire-editor option

struct Caption {
    std::string_view control;
    std::string_view id;
};

// Page-bar buttons, "_<group>" appended, in the order their captions are set.
constexpr std::array<Caption, 16> kPageBar = {{
    {"Btn_Confirm", "Str000"},
    {"Btn_Apply", "Str001"},
    {"Btn_Read", "Str017"},
    {"Btn_Confirm1", "Str002"},
    {"Btn_Confirm2", "Str015"},
    {"Btn_Confirm3", "Str016"},
    {"Btn_Main", "Str004"},
    {"Btn_Second", "Str005"},
    {"Btn_Adv", "Str007"},
    {"Btn_Breath", "Str008"},
    {"Btn_Macro", "Str014"},
    {"Btn_Save", "Str009"},
    {"Btn_Load", "Str010"},
    {"Btn_Lang1", "Str011"},
    {"Btn_Lang2", "Str012"},
    {"Btn_Lang3", "Str013"},
}};

// Items of the button function menus; each shows " " + Str200 + " " + its text.
constexpr std::array<Caption, 43> kMenuItems = {{
    {"Key_Standard", "Str201"},     {"Key_Special", "Str202"},
    {"Key_Media", "Str203"},        {"Key_WWW", "Str204"},
    {"Key_Assembly", "Str205"},     {"Key_Macro", "Str206"},
    {"Key_MyPC", "Str207"},         {"Key_FireMacro", "Str208"},
    {"Key_TLFireMacro", "Str208"},  {"Key_Left", "Str210"},
    {"Key_Right", "Str211"},        {"Key_Middle", "Str212"},
    {"Key_B4", "Str213"},           {"Key_B5", "Str214"},
    {"Key_Fire", "Str220"},         {"Key_LEDSwitch", "Str221"},
    {"Key_AIMKey", "Str222"},       {"Key_FnFire", "Str223"},
    {"Key_KeyOff", "Str224"},       {"Key_KeyMode", "Str225"},
    {"Key_LEDMode", "Str226"},      {"Key_CPIKey", "Str230"},
    {"Key_CPI", "Str231"},          {"Key_CPII", "Str232"},
    {"Key_CPID", "Str233"},         {"Key_Computer", "Str240"},
    {"Key_Calculator", "Str241"},   {"Key_EMail", "Str242"},
    {"Key_Desktop", "Str243"},      {"Key_PlayPause", "Str250"},
    {"Key_Stop", "Str251"},         {"Key_PreviousTrack", "Str252"},
    {"Key_NextTrack", "Str253"},    {"Key_VolumePlus", "Str254"},
    {"Key_VolumeMinus", "Str255"},  {"Key_Mute", "Str256"},
    {"Key_WWWHome", "Str260"},      {"Key_WWWSearch", "Str261"},
    {"Key_WWWBack", "Str262"},      {"Key_WWWForward", "Str263"},
    {"Key_WWWStop", "Str264"},      {"Key_WWWRefresh", "Str265"},
    {"Key_WWWFavorites", "Str266"},
}};

// Captions of the macro page, the fire editor and the fire page, shown as they are.
constexpr std::array<Caption, 30> kEditorCaptions = {{
    {"Btn_Start", "Str400"},
    {"Btn_InsertStart", "Str400"},
    {"Btn_FireStart", "Str400"},
    {"Btn_NewName", "Str402"},
    {"Btn_ExportOne", "Str404"},
    {"Btn_Export", "Str405"},
    {"Btn_ImportOne", "Str406"},
    {"Btn_Import", "Str407"},
    {"Btn_Del", "Str408"},
    {"Btn_FireDel", "Str408"},
    {"Btn_Insert", "Str409"},
    {"Btn_FireInsert", "Str409"},
    {"lbl_Delay", "Str417"},
    {"lbl_FireDelay", "Str417"},
    {"lbl_s_A", "Str418"},
    {"lbl_Fires_A", "Str418"},
    {"Btn_OK", "Str420"},
    {"Btn_FireOK", "Str420"},
    {"Btn_Cancel", "Str422"},
    {"Btn_FireCancel", "Str422"},
    {"Btn_New", "Str432"},
    {"Btn_NewMacro", "Str432"},
    {"Btn_DelPCMacro", "Str433"},
    {"Btn_Edit", "Str435"},
    {"Btn_FireEdit", "Str435"},
    {"lbl_XAxisValue", "Str444"},
    {"lbl_FireXAxisValue", "Str444"},
    {"lbl_YAxisValue", "Str445"},
    {"lbl_FireYAxisValue", "Str445"},
    {"lbl_Repeat", "Str448"},
}};

// Option labels drawn beside a radio image: the blanks leave room for the image.
constexpr std::array<Caption, 8> kInsertOptions = {{
    {"IB_InsertRecDelay", "Str414"},
    {"IB_InsertDelayTime", "Str415"},
    {"IB_InsertNoDelay", "Str416"},
    {"IB_RecDelay", "Str414"},
    {"IB_DelayTime", "Str415"},
    {"IB_NoDelay", "Str416"},
    {"IB_ReleaseStop", "Str436"},
    {"IB_ReleaseContiue", "Str437"},
}};
constexpr std::array<Caption, 5> kFireOptions = {{
    {"IB_FireRecDelay", "Str414"},
    {"IB_FireDelayTime", "Str415"},
    {"IB_FireNoDelay", "Str416"},
    {"IB_FireReleaseStop", "Str436"},
    {"IB_FireReleaseContiue", "Str437"},
}};

constexpr std::array<Caption, 3> kTail = {{
    {"lbl_FireRepeat", "Str448"},
    {"Btn_FireConfirm", "Str620"},
    {"Btn_FireExit", "Str621"},
}};

constexpr std::array<std::string_view, 10> kInsertItems = {
    "Str410", "Str411", "Str412", "Str413", "Str446",
    "Str447", "Str440", "Str441", "Str442", "Str443",
};
constexpr std::array<std::string_view, 8> kInsertFireItems = {
    "Str410", "Str411", "Str446", "Str447", "Str440", "Str441", "Str442", "Str443",
};

}  // namespace

LanguagePlan plan_language(const LanguageTable& table, std::span<const LanguageTable> all_tables,
                           const CaptionReader& current_caption) {
    LanguagePlan plan;
    plan.kept = keep_texts(table);
    auto set = [&](std::string control, std::string text) {
        plan.captions.push_back({std::move(control), std::move(text)});
    };

    for (int group = 1; group <= kPageGroups; ++group) {
        const std::string suffix = "_" + std::to_string(group);
        for (const Caption& c : kPageBar) set(std::string(c.control) + suffix, table.text(c.id));
        set("Btn_Engineer" + suffix, std::string(kEngineerCaption));
    }

    for (int key = 1; key <= kKeyLabels; ++key) {
        const std::string control = "Key" + std::to_string(key);
        const std::optional<std::string> caption = current_caption(control);
        // An empty caption would match LANG1's empty Str101 and turn into a USB message.
        if (!caption || caption->empty()) continue;
        if (const auto id = find_id(*caption, all_tables)) set(control, table.text(*id));
    }

    for (int k = 0; k < 3; ++k) {
        set("IB_ComboKey" + std::to_string(k + 1),
            std::string(kComboIndent) + table.text("Str70" + std::to_string(k)));
    }
    const std::string bullet = " " + table.text("Str200") + " ";
    for (const Caption& c : kMenuItems) set(std::string(c.control), bullet + table.text(c.id));
    for (const Caption& c : kEditorCaptions) set(std::string(c.control), table.text(c.id));
    for (const Caption& c : kInsertOptions) {
        set(std::string(c.control), std::string(kInsertIndent) + table.text(c.id));
    }
    for (const Caption& c : kFireOptions) {
        set(std::string(c.control), std::string(kFireIndent) + table.text(c.id));
    }
    for (const Caption& c : kTail) set(std::string(c.control), table.text(c.id));

    auto items = [&](std::string control, std::span<const std::string_view> ids) {
        ItemsChange change{std::move(control), {}};
        for (std::string_view id : ids) change.items.push_back(table.text(id));
        plan.items.push_back(std::move(change));
    };
    items("CB_Insert", kInsertItems);
    items("CB_InsertFire", kInsertFireItems);
    return plan;
}

}  // namespace krvm
