#include "core/ui/page_navigation.h"

#include <gtest/gtest.h>

namespace krvm {
namespace {

TEST(PageGate, NoMouseComesBeforeTheNoDeviceFlag) {
    EXPECT_EQ(page_gate(false, true), PageGate::finding_device);
    EXPECT_EQ(page_gate(false, false), PageGate::finding_device);
    EXPECT_EQ(page_gate(true, true), PageGate::inert);
    EXPECT_EQ(page_gate(true, false), PageGate::go);
}

struct ShowRow {
    PageButton button;
    bool gd_enable;
    Page page;
    int group;
    std::optional<int> key_mode;
    std::optional<int> menu_height;
    std::optional<bool> third_combo;
    const char* own_button;
    const char* picture;
};

class PageShowRows : public ::testing::TestWithParam<ShowRow> {};

TEST_P(PageShowRows, ShowsItsGroupAndResetsItsControls) {
    const ShowRow& row = GetParam();
    const PageShow show = page_show(row.button, row.gd_enable);
    EXPECT_EQ(show.page, row.page);
    EXPECT_EQ(show.group, row.group);
    EXPECT_EQ(show.engineer_size, row.group == 6);
    EXPECT_EQ(show.key_mode, row.key_mode);
    EXPECT_EQ(show.menu_height, row.menu_height);
    EXPECT_EQ(show.third_combo, row.third_combo);
    EXPECT_EQ(show.own_button, row.own_button);
    EXPECT_EQ(show.picture_part, row.picture);
    EXPECT_EQ(page_button_name(show.page), row.own_button);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, PageShowRows,
    ::testing::Values(
        ShowRow{PageButton::main, true, Page::office, 1, 0, 170, false, "Main", "Back1"},
        ShowRow{PageButton::second, true, Page::game, 1, 1, 194, true, "Second", "Back1"},
        ShowRow{PageButton::second, false, Page::game, 1, 1, 170, false, "Second", "Back1"},
        ShowRow{PageButton::adv, true, Page::advanced, 2, {}, {}, {}, "Adv", "Back2"},
        ShowRow{PageButton::breath, true, Page::light, 3, {}, {}, {}, "Breath", "Back3"},
        ShowRow{PageButton::macro, true, Page::macro, 4, {}, {}, {}, "Macro", "Back4"},
        ShowRow{PageButton::engineer, false, Page::engineer, 6, {}, 194, {}, "Engineer", "Back4"}));

TEST(RefreshedGroup, ShowsTheCurrentPageAgain) {
    EXPECT_EQ(refreshed_group(Page::office, false), 1);
    EXPECT_EQ(refreshed_group(Page::fire, false), 1);  // the fire page closes
    EXPECT_EQ(refreshed_group(Page::game, false), std::nullopt);
    EXPECT_EQ(refreshed_group(Page::advanced, false), 2);
    EXPECT_EQ(refreshed_group(Page::light, false), 3);
    EXPECT_EQ(refreshed_group(Page::macro, false), 4);
    EXPECT_EQ(refreshed_group(Page::engineer, false), 6);
    EXPECT_EQ(refreshed_group(Page::light, true), 1);
}

}  // namespace
}  // namespace krvm
