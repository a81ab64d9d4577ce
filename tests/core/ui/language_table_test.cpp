#include "core/ui/language_table.h"

#include <gtest/gtest.h>

#include <set>

#include "core/ui/kept_texts.h"
#include "core/ui/utf16_bytes.h"

namespace krvm {
namespace {

using testing::utf16_bytes;

LanguageTable parse(std::u16string_view text, int language = 3) {
    Result<LanguageTable> table = parse_language_table(utf16_bytes(text), language);
    EXPECT_TRUE(table.ok());
    return table.ok() ? *table : LanguageTable(language, {});
}

TEST(LanguageTable, QuotedEntriesKeepTheirBlanks) {
    const LanguageTable table =
        parse(u"[lang3]\r\n\"Str000=Confirm\"\r\n\"Title=Ardenvel Gaming Mouse\"\r\n");
    EXPECT_EQ(table.text("Str000"), "Confirm");
    EXPECT_EQ(table.text("Title"), "Ardenvel Gaming Mouse");
}

TEST(LanguageTable, EmptyValueIsPresentMissingKeyReadsEmpty) {
    const LanguageTable table = parse(u"[lang1]\r\n\"Str101=\"\r\n", 1);
    ASSERT_TRUE(table.find("Str101").has_value());
    EXPECT_EQ(*table.find("Str101"), "");
    EXPECT_FALSE(table.find("Str999").has_value());
    EXPECT_EQ(table.text("Str999"), "");
}

TEST(LanguageTable, UnquotedTextSplitsAtBlanks) {
    // Outside quotes a blank ends the entry: "Title=Big" is read, "Mouse" carries no key.
    const LanguageTable table = parse(u"[lang3]\r\nTitle=Big Mouse\r\n  \"Str001=Apply\"");
    EXPECT_EQ(table.text("Title"), "Big");
    EXPECT_EQ(table.text("Str001"), "Apply");
    EXPECT_EQ(table.keys().size(), 2u);
}

TEST(LanguageTable, OnlyTheLanguagesOwnSectionCounts) {
    const LanguageTable table = parse(u"[lang1]\r\n\"Str000=X\"\r\n[lang3]\r\n\"Str001=Y\"");
    EXPECT_EQ(table.text("Str000"), "");
    EXPECT_EQ(table.text("Str001"), "Y");
}

TEST(LanguageTable, DecodesChineseAndSurrogatePairs) {
    const LanguageTable table = parse(u"[lang1]\r\n\"Str210=左键\"\r\n\"Str211=\U0001F5B1\"", 1);
    EXPECT_EQ(table.text("Str210"), "左键");
    EXPECT_EQ(table.text("Str211"), "\U0001F5B1");
}

TEST(LanguageTable, RefusesTextWithoutByteOrderMark) {
    EXPECT_FALSE(parse_language_table(utf16_bytes(u"[lang3]", false), 3).ok());
    EXPECT_FALSE(parse_language_table({}, 3).ok());
    EXPECT_FALSE(parse_language_table(utf16_bytes(u"[lang4]"), 4).ok());
}

TEST(EmbeddedLanguageTables, HoldTheSameIdentifiers) {
    std::vector<std::set<std::string>> keys;
    for (int language = 1; language <= 3; ++language) {
        Result<LanguageTable> table = load_table(language);
        ASSERT_TRUE(table.ok()) << table.error().message;
        const std::vector<std::string> list = table->keys();
        keys.emplace_back(list.begin(), list.end());
        EXPECT_EQ(list.size(), keys.back().size()) << "a key repeats in LANG" << language;
    }
    EXPECT_EQ(keys[0], keys[1]);
    EXPECT_EQ(keys[0], keys[2]);
    EXPECT_EQ(keys[0].size(), 146u);  // FontName, Title and the 144 texts
}

TEST(EmbeddedLanguageTables, QuotedTextsOfTheThreeLanguages) {
    const auto tables = embedded_tables();
    EXPECT_EQ(tables[0].text("FontName"), "Microsoft YaHei");
    EXPECT_EQ(tables[1].text("FontName"), "Microsoft JhengHei");
    EXPECT_EQ(tables[2].text("FontName"), "Arial Narrow");
    EXPECT_EQ(tables[2].text("Title"), "Ardenvel Gaming Mouse");
    EXPECT_EQ(tables[0].text("Str101"), "");
    EXPECT_EQ(tables[1].text("Str100"), "未偵測到裝置");
    EXPECT_EQ(tables[1].text("Str230"), "CPI按鍵");
    EXPECT_EQ(tables[0].text("Str230"), "DPI按键");
    EXPECT_EQ(tables[1].text("Str605"), "TOMPSON槍鍵");
    EXPECT_EQ(tables[2].text("Str700"), "Press 'Middle Key' 3s Switch Office/Gaming Mode");
}

struct FindIdCase {
    const char* text;
    const char* id;  // nullptr: not found
};

class FindId : public ::testing::TestWithParam<FindIdCase> {};

TEST_P(FindId, SearchesAllTablesLastMatchWins) {
    const std::optional<std::string> id = find_id(GetParam().text);
    if (GetParam().id == nullptr) {
        EXPECT_FALSE(id.has_value()) << *id;
    } else {
        EXPECT_EQ(id, std::optional<std::string>(GetParam().id));
    }
}

INSTANTIATE_TEST_SUITE_P(
    EmbeddedTables, FindId,
    ::testing::Values(FindIdCase{"Office Mode", nullptr},  // Str004: written with leading zeros
                      FindIdCase{"Confirm", "Str620"},     // Str000 unseen; Str501, Str620 match
                      FindIdCase{"Stop", "Str401"},        // Str251, Str264, Str401 all "Stop"
                      FindIdCase{"左键", "Str210"},        // LANG1 and LANG2 share nothing else
                      FindIdCase{"後退", "Str262"},        // Str213 and Str262 in LANG2
                      FindIdCase{"Volume +", "Str254"}, FindIdCase{"My Macro 1", nullptr},
                      FindIdCase{"长按枪键切换办公/游戏模式", nullptr},  // Str702 is past 700
                      FindIdCase{"", "Str101"}));                        // LANG1's empty Str101

TEST(TextLookup, AnswersFromTheEmbeddedTable) {
    EXPECT_EQ(text_lookup(3)("Str020"), "Finding the specified device");
    EXPECT_EQ(text_lookup(1)("Str020"), "正在查找指定设备");
    EXPECT_EQ(text_lookup(2)("Str020"), "查找不到指定設備");
    EXPECT_EQ(text_lookup(3)("Str999"), "");
    EXPECT_EQ(text_lookup(7)("Str020"), "");
}

TEST(KeptTexts, FollowTheLoadedLanguage) {
    const KeptTexts english = keep_texts(embedded_tables()[2]);
    EXPECT_EQ(english.font_name, "Arial Narrow");
    EXPECT_EQ(english.text("Str109"), "Fail");
    EXPECT_EQ(english.text("Str606"), "7.62mm Fire");
    EXPECT_EQ(english.text("Str001"), "");  // not a kept text
    EXPECT_EQ(keep_texts(embedded_tables()[0]).text("Str109"), "烧录失败");
}

}  // namespace
}  // namespace krvm
