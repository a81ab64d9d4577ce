#include "core/ui/layout_plan.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "core/ui/layout_ini.h"
#include "core/ui/skin_images.h"

namespace krvm {
namespace {

Layout layout_of(std::string_view text) {
    return Layout(1, parse_layout_text(text));
}

// Everything the plan says about one control, later entries overriding earlier ones.
Placement merged(const LayoutPlan& plan, std::string_view control) {
    Placement out;
    for (const Placement& p : plan.placements) {
        if (p.control != control) continue;
        out.control = p.control;
        if (p.visible) out.visible = p.visible;
        if (p.x) out.x = p.x;
        if (p.y) out.y = p.y;
        if (p.width) out.width = p.width;
        if (p.height) out.height = p.height;
        if (p.font_size) out.font_size = p.font_size;
        if (p.font_colour) out.font_colour = p.font_colour;
    }
    return out;
}

LayoutPlan embedded_plan(int language, Page page = Page::office) {
    Result<Layout> layout = load_layout(language);
    EXPECT_TRUE(layout.ok());
    return plan_layout(*layout, LayoutOptions{}, page);
}

TEST(LayoutPlan, PageBarLabelsKeepTheirMargins) {
    struct Case {
        const char* text;
        int x, width;
    };
    for (const Case& c :
         {Case{"[org1]\nBtn_B1_Enable=1\nBtn_B1_X=28\nBtn_Space_F=0\nBtn_Space_B=0", 28, 110},
          Case{"[org1]\nBtn_B1_Enable=1\nBtn_B1_X=28\nBtn_Space_F=10\nBtn_Space_B=4", 38, 96}}) {
        const LayoutPlan plan = plan_layout(layout_of(c.text), {}, Page::office);
        for (int g = 1; g <= 4; ++g) {
            const Placement label = merged(plan, "Btn_Main_" + std::to_string(g));
            const Placement image = merged(plan, "Img_Main_" + std::to_string(g));
            EXPECT_EQ(image.x, 28);
            EXPECT_EQ(label.x, c.x) << c.text;
            EXPECT_EQ(label.width, c.width) << c.text;
            EXPECT_EQ(label.height, 30);
        }
    }
}

TEST(LayoutPlan, BarSegmentsAreSpacedByTheGapAndTheFirstImage) {
    const LayoutPlan plan = plan_layout(
        layout_of("[org1]\nMCULEDNum_X=100\nMCULEDNum_Y=50\nMCULEDNum_D=5\n"), {}, Page::light);
    EXPECT_EQ(merged(plan, "Img_MCULEDNum_3").x, 162);  // X + 2 * (5 + 26)
    EXPECT_EQ(merged(plan, "Img_MCULEDNum_3").y, 50);
    EXPECT_EQ(merged(plan, "lbl_MCULEDNum_3").x, 166);
    EXPECT_EQ(merged(plan, "lbl_MCULEDNum_3").y, 74);
}

TEST(LayoutPlan, NumOrderOneNumbersTheLedRowsBackwards) {
    const Layout layout = layout_of("[org1]\nMCULEDNum_X=100\nMCULEDStep_X=100\n");
    LayoutOptions reversed;
    reversed.num_order = 1;
    const LayoutPlan plan = plan_layout(layout, reversed, Page::light);
    EXPECT_EQ(merged(plan, "lbl_MCULEDNum_10").x, 104);  // under the first number image
    EXPECT_EQ(merged(plan, "lbl_MCULEDStep_8").x, 104);  // under the first step image
    EXPECT_EQ(merged(plan, "lbl_MCULEDNum_1").x, 104 + 9 * 26);
    const LayoutPlan normal = plan_layout(layout, LayoutOptions{}, Page::light);
    EXPECT_EQ(merged(normal, "lbl_MCULEDNum_1").x, 104);
}

TEST(LayoutPlan, DisabledKeysHideImageAndLabel) {
    const LayoutPlan plan = embedded_plan(1);
    EXPECT_EQ(merged(plan, "Img_Key7").visible, false);
    EXPECT_EQ(merged(plan, "Key7").visible, false);
    EXPECT_EQ(merged(plan, "Key6").visible, true);
    const LayoutPlan org2 = embedded_plan(2);
    EXPECT_EQ(merged(org2, "Key6").visible, false);
    EXPECT_EQ(merged(org2, "Key7").visible, true);
}

TEST(LayoutPlan, TraditionalChineseButtonIsHiddenOnAllFourPages) {
    const LayoutPlan plan = embedded_plan(1);
    for (int g = 1; g <= 4; ++g) {
        EXPECT_EQ(merged(plan, "Img_Lang2_" + std::to_string(g)).visible, false);
        EXPECT_EQ(merged(plan, "Btn_Lang2_" + std::to_string(g)).visible, false);
        EXPECT_EQ(merged(plan, "Btn_Lang3_" + std::to_string(g)).visible, true);
    }
}

TEST(LayoutPlan, ThirdModeSwitchOptionOnlyOnTheGameModePageWithGunDisplay) {
    LayoutOptions no_guns;
    no_guns.gd_enable = false;
    EXPECT_EQ(merged(embedded_plan(1, Page::game), "IB_ComboKey3").visible, true);
    EXPECT_EQ(merged(embedded_plan(1, Page::office), "IB_ComboKey3").visible, false);
    Result<Layout> layout = load_layout(1);
    const LayoutPlan plan = plan_layout(*layout, no_guns, Page::game);
    EXPECT_EQ(merged(plan, "Img_ComboKey3").visible, false);
    EXPECT_TRUE(plan.kept.combo_key3_enabled);
    EXPECT_EQ(merged(plan, "IB_ComboKey1").y, *merged(plan, "Img_ComboKey1").y - 2);
    EXPECT_EQ(merged(plan, "IB_ComboKey1").font_size, layout->value("Size_C") - 1);
}

TEST(LayoutPlan, KeptValues) {
    const LayoutPlan plan = embedded_plan(3);
    EXPECT_EQ(plan.kept.macro_name_height, 20);
    EXPECT_EQ(plan.kept.btn_space_f, 10);
    EXPECT_EQ(plan.kept.cpi_selected, (Rgb{0, 200, 255}));
    EXPECT_EQ(plan.kept.cpi_selected.value(), 0u + 256u * 200u + 65536u * 255u);
}

// Every key the program reads is in each embedded layout, and the only keys nobody reads are
// the ones kept for dialogs that place themselves and the spare key slots.
TEST(EmbeddedLayouts, HoldEveryKeyTheProgramReads) {
    const std::regex unread(
        "Key1[0-2]_(Enable|X|Y)|Size_K|Size_M|Color_J_[RGB]|Color_M_[RGB]|Color_K_.*|AKT_.*|"
        "AKC_.*|MK_[ACSW]_[XY]|AK_(Cfm|Clear|Close)_[XY]|NorLED_.*");
    for (int language = 1; language <= 3; ++language) {
        Result<Layout> layout = load_layout(language);
        ASSERT_TRUE(layout.ok()) << layout.error().message;
        (void)plan_layout(*layout, LayoutOptions{}, Page::game);
        (void)plan_value_dialog(*layout);
        EXPECT_TRUE(layout->faulty_keys().empty()) << *layout->faulty_keys().begin();
        for (const std::string& key : layout->keys()) {
            if (layout->read_keys().contains(key)) continue;
            EXPECT_TRUE(std::regex_match(key, unread)) << "ORG" << language << " " << key;
        }
    }
}

struct Box {
    std::string name;
    int x, y, w, h;
};

// The size a control takes on screen, from the skin image it shows.
std::optional<std::pair<int, int>> size_of(const Placement& p) {
    if (p.width && p.height) return std::pair{*p.width, *p.height};
    static const std::vector<std::pair<std::regex, std::string>> images = {
        {std::regex("Img_(Spd|DbSpd|ScrSpd)\\d+|Img_MCULED(Num|Step)_\\d+"), "Bar1_D"},
        {std::regex("Img_(DPI\\d|AIMKey)_\\d+"), "Bar2_D"},
        {std::regex("Img_DPI\\dCol|Img_KeyMode\\d|Img_FireColor\\d"), "Col_F"},
        {std::regex("Img_DPI\\d|Img_Is(Control|Screen)|Img_FireRKFS\\d"), "CbS_D"},
        {std::regex("Img_(LEDO|MCPIO|LCPIO|SaveKey|NoSaveKey|MCULEDMode|MCULED\\dC).*"), "RdS_D"},
        {std::regex("Img_ComboKey\\d"), "RdS_D"},
        {std::regex("Img_GunMode[13]"), "GunMode1"},
        {std::regex("Img_GunMode[24]"), "GunMode2"},
        {std::regex("Img_GunMode5"), "GunMode5"},
        {std::regex("Img_P1"), "L1_Back1"},
        {std::regex("Img_P5"), "L1_Back5"},
    };
    for (const auto& [pattern, image] : images) {
        if (std::regex_match(p.control, pattern)) {
            const auto found = skin_image(image);
            return std::pair{found->width, found->height};
        }
    }
    return std::nullopt;
}

// Images and sized labels of one page never overlap, apart from a label on its own image.
void expect_no_overlap(const LayoutPlan& plan, const std::regex& page, const char* what) {
    std::map<std::string, Placement> controls;
    for (const Placement& p : plan.placements) controls[p.control] = merged(plan, p.control);
    std::vector<Box> boxes;
    for (const auto& [name, p] : controls) {
        if (!std::regex_match(name, page) || p.visible == false || !p.x || !p.y) continue;
        if (name.starts_with("cs_") || name.starts_with("lbl_") || name.starts_with("IB_"))
            continue;
        const auto size = size_of(p);
        if (!size) continue;
        boxes.push_back({name, *p.x, *p.y, size->first, size->second});
    }
    auto paired = [](const std::string& a, const std::string& b) {
        // "Img_Apply_1" and "Btn_Apply_1", "Img_Key3" and "Key3"
        return a.substr(a.find('_') + 1) == b.substr(b.find('_') + 1) || a == "Img_" + b ||
               b == "Img_" + a;
    };
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Box& a = boxes[i];
        EXPECT_GE(a.x, 0) << what << " " << a.name;
        EXPECT_LE(a.x + a.w, 1030) << what << " " << a.name;
        EXPECT_LE(a.y + a.h, 662) << what << " " << a.name;
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box& b = boxes[j];
            if (paired(a.name, b.name)) continue;
            if (a.name == "Img_P1" || b.name == "Img_P1" || a.name == "Img_P5" ||
                b.name == "Img_P5") {
                continue;  // controls sit on the page pictures
            }
            const bool apart =
                a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + a.h <= b.y || b.y + b.h <= a.y;
            EXPECT_TRUE(apart) << what << ": " << a.name << " overlaps " << b.name;
        }
    }
}

TEST(EmbeddedLayouts, PagesAreClean) {
    const std::string bar =
        "(Img|Btn)_(Confirm|Apply|Read|Confirm[123]|Exit|Mini|Main|Second|Adv|Breath|Macro|Save|"
        "Load|Lang[123])_1";
    for (int language = 1; language <= 3; ++language) {
        const LayoutPlan plan = embedded_plan(language, Page::game);
        const std::regex bar_and_keys(bar + "|Img_P1|Img_Key\\d|Key\\d|Img_ComboKey\\d");
        expect_no_overlap(plan, bar_and_keys, "key page");
        expect_no_overlap(plan, std::regex(bar + "|Img_(Spd|DbSpd|ScrSpd|DPI|AIMKey|Is).*"),
                          "advanced page");
        expect_no_overlap(
            plan, std::regex(bar + "|Img_(LEDO|MCPIO|LCPIO|SaveKey|NoSaveKey|MCULED|KeyMode).*"),
            "light page");
        expect_no_overlap(plan, std::regex("(Img|Btn)_(New|Start)|" + bar), "macro page");
        expect_no_overlap(plan, std::regex("(Img|Btn)_Fire.*|Img_GunMode\\d|Img_P5"), "fire page");
    }
}

}  // namespace
}  // namespace krvm
