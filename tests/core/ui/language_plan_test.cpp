#include "core/ui/language_plan.h"

#include <gtest/gtest.h>

#include <map>

#include "core/ui/language_switch.h"

namespace krvm {
namespace {

std::map<std::string, std::string> captions_of(const LanguagePlan& plan) {
    std::map<std::string, std::string> out;
    for (const CaptionChange& c : plan.captions) out[c.control] = c.text;
    return out;
}

TEST(LanguagePlan, EnglishCaptionsOfEveryPageGroup) {
    const std::map<std::string, std::string> labels = {
        {"Key1", "左键"}, {"Key2", "My Macro"}, {"Key3", "Ctrl+C"}, {"Key4", ""}};
    const CaptionReader reader = [&](std::string_view name) -> std::optional<std::string> {
        const auto it = labels.find(std::string(name));
        if (it == labels.end()) return std::nullopt;
        return it->second;
    };
    const LanguagePlan plan = plan_language(embedded_tables()[2], embedded_tables(), reader);
    const auto captions = captions_of(plan);
    for (int group = 1; group <= 4; ++group) {
        const std::string g = "_" + std::to_string(group);
        EXPECT_EQ(captions.at("Btn_Confirm" + g), "Confirm");
        EXPECT_EQ(captions.at("Btn_Confirm2" + g), "Confirm 2");
        EXPECT_EQ(captions.at("Btn_Lang3" + g), "English");
        EXPECT_EQ(captions.at("Btn_Engineer" + g), "Engineer");
    }
    EXPECT_EQ(captions.at("Key1"), "Left Key");
    EXPECT_FALSE(captions.contains("Key2"));  // a macro name stays as it is
    EXPECT_FALSE(captions.contains("Key3"));
    EXPECT_FALSE(captions.contains("Key4"));  // empty, must not become Str101's text
    EXPECT_EQ(captions.at("IB_ComboKey2"), "     Press 'CPI' 3s Switch Office/Gaming Mode");
    EXPECT_EQ(captions.at("Key_VolumePlus"), " * Volume +");
    EXPECT_EQ(captions.at("IB_InsertNoDelay"), "       No Delay");
    EXPECT_EQ(captions.at("IB_FireNoDelay"), "      No Delay");
    EXPECT_EQ(captions.at("Btn_FireExit"), "Cancel");
    EXPECT_EQ(plan.kept.title, "Ardenvel Gaming Mouse");
    ASSERT_EQ(plan.items.size(), 2u);
    EXPECT_EQ(plan.items[0].control, "CB_Insert");
    ASSERT_EQ(plan.items[0].items.size(), 10u);
    EXPECT_EQ(plan.items[0].items[4], "Insert Start Repeat");
    EXPECT_EQ(plan.items[1].items.size(), 8u);
    EXPECT_EQ(plan.items[1].items[2], "Insert Start Repeat");
}

TEST(LanguagePlan, PageBarComesFirstThenKeyLabelsThenTheRest) {
    const CaptionReader reader = [](std::string_view name) -> std::optional<std::string> {
        if (name == "Key1") return "Left Key";
        return std::nullopt;
    };
    const LanguagePlan plan = plan_language(embedded_tables()[0], embedded_tables(), reader);
    ASSERT_GT(plan.captions.size(), 70u);
    EXPECT_EQ(plan.captions[0].control, "Btn_Confirm_1");
    EXPECT_EQ(plan.captions[0].text, "确认");
    EXPECT_EQ(plan.captions[16].control, "Btn_Engineer_1");
    EXPECT_EQ(plan.captions[4 * 17].control, "Key1");
    EXPECT_EQ(plan.captions[4 * 17].text, "左键");
    EXPECT_EQ(plan.captions[4 * 17 + 1].control, "IB_ComboKey1");
}

class RecordingSteps : public LanguageSwitchSteps {
  public:
    std::vector<std::string> log;
    void show_language_button(int l, bool s) override {
        log.push_back("button" + std::to_string(l) + (s ? "+" : "-"));
    }
    void check_language_radio(int l) override { log.push_back("radio" + std::to_string(l)); }
    int insert_choice() const override { return 6; }
    void hide_delay_group() override { log.push_back("hide delay"); }
    void set_current_language(int l) override { log.push_back("lang" + std::to_string(l)); }
    void refresh_skin(int l) override { log.push_back("skin" + std::to_string(l)); }
    void apply_language(int l) override { log.push_back("texts" + std::to_string(l)); }
    void restore_insert_choice(int i) override { log.push_back("insert" + std::to_string(i)); }
    void show_title() override { log.push_back("title"); }
    void refresh_page() override { log.push_back("page"); }
    void reset_rolling_caption(int l) override { log.push_back("rolling" + std::to_string(l)); }
};

TEST(LanguageSwitch, RunsTheStepsInOrder) {
    RecordingSteps steps;
    switch_language(3, steps);
    const std::vector<std::string> expected = {"button1-",   "button2-", "button3+", "radio3",
                                               "hide delay", "lang3",    "skin3",    "texts3",
                                               "insert6",    "title",    "page",     "rolling3"};
    EXPECT_EQ(steps.log, expected);
    RecordingSteps ignored;
    switch_language(0, ignored);
    EXPECT_TRUE(ignored.log.empty());
}

}  // namespace
}  // namespace krvm
