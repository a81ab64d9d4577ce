#include "core/ui/skinned_button.h"

#include <gtest/gtest.h>

namespace krvm {
namespace {

std::vector<ImageChange> changes(std::initializer_list<std::pair<const char*, const char*>> list) {
    std::vector<ImageChange> out;
    for (const auto& [control, image] : list) out.push_back({control, image});
    return out;
}

TEST(SkinnedButton, FamiliesFollowTheLabelName) {
    EXPECT_EQ(button_family("Btn_Apply_2"), ButtonFamily::device);
    EXPECT_EQ(button_family("Btn_Confirm3_4"), ButtonFamily::device);
    EXPECT_EQ(button_family("Btn_Save_1"), ButtonFamily::page);
    EXPECT_EQ(button_family("Btn_Engineer_6"), ButtonFamily::page);
    EXPECT_EQ(button_family("Btn_Lang3_2"), ButtonFamily::language);
    EXPECT_EQ(button_family("Btn_Exit_1"), ButtonFamily::exit);
    EXPECT_EQ(button_family("Btn_Mini_3"), ButtonFamily::minimise);
    EXPECT_EQ(button_family("Btn_Web_1"), ButtonFamily::web);
    EXPECT_EQ(button_family("Key7"), ButtonFamily::key);
    EXPECT_EQ(button_family("Btn_FireCancel"), ButtonFamily::dialog);
    EXPECT_EQ(button_family("Btn_Apply"), ButtonFamily::none);
    EXPECT_EQ(button_family("Key10"), ButtonFamily::none);
    EXPECT_EQ(button_family("lbl_Apply_1"), ButtonFamily::none);
}

TEST(SkinnedButton, ApplyHoveredOnPageTwoLightsAllFourCopies) {
    const HoverContext context{Page::advanced, 3, false, true};
    EXPECT_EQ(on_enter("Btn_Apply_2", context), changes({{"Img_Apply_1", "BtnS_02"},
                                                         {"Img_Apply_2", "BtnS_02"},
                                                         {"Img_Apply_3", "BtnS_02"},
                                                         {"Img_Apply_4", "BtnS_02"}}));
    EXPECT_EQ(on_leave("Btn_Apply_2", context), all_copies("Apply", "BtnS_01"));
}

TEST(SkinnedButton, LeavingSaveOnTheLightPageReselectsTheLightButton) {
    const HoverContext context{Page::light, 1, false, true};
    EXPECT_EQ(on_enter("Btn_Save_3", context), changes({{"Img_Save_3", "SetS_02"}}));
    EXPECT_EQ(on_leave("Btn_Save_3", context), changes({{"Img_Save_3", "SetS_01"},
                                                        {"Img_Breath_1", "SetS_03"},
                                                        {"Img_Breath_2", "SetS_03"},
                                                        {"Img_Breath_3", "SetS_03"},
                                                        {"Img_Breath_4", "SetS_03"}}));
}

TEST(SkinnedButton, WithoutADeviceLeavingAPageButtonSelectsNothing) {
    const HoverContext context{Page::office, 1, true, false};
    EXPECT_EQ(on_leave("Btn_Adv_1", context), changes({{"Img_Adv_1", "SetS_01"}}));
}

TEST(SkinnedButton, LeavingALanguageButtonReselectsTheCurrentLanguage) {
    const HoverContext context{Page::office, 2, true, false};
    const auto leave = on_leave("Btn_Lang3_1", context);
    ASSERT_EQ(leave.size(), 5u);
    EXPECT_EQ(leave[0], (ImageChange{"Img_Lang3_1", "SetS_01"}));
    EXPECT_EQ(leave[4], (ImageChange{"Img_Lang2_4", "SetS_03"}));
}

TEST(SkinnedButton, WebButtonReactsOnlyWithAMouse) {
    EXPECT_TRUE(on_enter("Btn_Web_1", HoverContext{}).empty());
    HoverContext connected;
    connected.mouse_connected = true;
    EXPECT_EQ(on_enter("Btn_Web_1", connected), all_copies("Web", "WebS_03"));
    EXPECT_EQ(on_leave("Btn_Web_1", connected), all_copies("Web", "WebS_01"));
}

TEST(SkinnedButton, KeyAndDialogButtonsChangeTheirOwnImage) {
    EXPECT_EQ(on_enter("Key3", {}), changes({{"Img_Key3", "KeyS_02"}}));
    EXPECT_EQ(on_leave("Btn_OK", {}), changes({{"Img_OK", "MacroBtnS_01"}}));
    EXPECT_EQ(on_enter("Btn_Exit_4", {}), all_copies("Exit", "ExitS_02"));
}

}  // namespace
}  // namespace krvm
