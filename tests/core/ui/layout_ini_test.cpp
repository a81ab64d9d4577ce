#include "core/ui/layout_ini.h"

#include <gtest/gtest.h>

#include "core/common/files.h"
#include "core/ui/layout.h"
#include "core/ui/layout_options.h"

namespace krvm {
namespace {

TEST(LayoutText, CommentsAndLinesWithoutEqualsCarryNoKey) {
    const IniSections ini = parse_layout_text(
        "; Size_A=99\r\n[org1]\r\n// Size_B=99\r\n  Size_C = 12  \r\nnothing here\r\n"
        "Key1_X=\r\n;Key2_X=5\r\n");
    EXPECT_EQ(ini.value("org1", "Size_C"), "12");
    EXPECT_EQ(ini.value("org1", "Key1_X"), "");
    EXPECT_FALSE(ini.value("org1", "Size_A"));
    EXPECT_FALSE(ini.value("org1", "Size_B"));
    EXPECT_FALSE(ini.value("org1", "Key2_X"));
    EXPECT_EQ(ini.keys("org1").size(), 2u);
}

TEST(LayoutText, SectionsAndKeysIgnoreCaseAndTheFirstOfARepeatedKeyCounts) {
    const IniSections ini = parse_layout_text("[ORG1]\r\nsize_a=7\r\nSize_A=8\r\n");
    EXPECT_EQ(ini.value("org1", "Size_A"), "7");
    EXPECT_FALSE(ini.value("org2", "Size_A"));
}

TEST(LayoutNumber, DecimalIntegersOnly) {
    EXPECT_EQ(parse_layout_number("8562"), 8562);
    EXPECT_EQ(parse_layout_number("-3"), -3);
    EXPECT_EQ(parse_layout_number("+4"), 4);
    for (const char* bad : {"", "1x", "0x10", " 1", "-", "99999999999"}) {
        EXPECT_FALSE(parse_layout_number(bad)) << bad;
    }
}

TEST(LayoutOptionsFixture, Cp936TextIsDecodedAndOptionsClamped) {
    Result<std::vector<std::uint8_t>> bytes =
        read_file(KRVM640_FIXTURES "/layout_options_cp936_clamped.ini");
    ASSERT_TRUE(bytes.ok());
    Result<IniSections> ini = parse_layout_resource(*bytes);
    ASSERT_TRUE(ini.ok()) << ini.error().message;
    const LayoutOptions options = options_from(*ini);
    EXPECT_EQ(options.path, "D:\\宏文件\\");
    EXPECT_TRUE(options.web_enable);
    EXPECT_EQ(options.gun6_num, 2);   // 5 clamps to the highest
    EXPECT_EQ(options.gun7_num, 1);   // 0 clamps to the lowest
    EXPECT_EQ(options.num_order, 0);  // -3 clamps to the lowest
    // Keys the fixture leaves out keep their defaults and are reported.
    EXPECT_TRUE(options.gd_enable);
    EXPECT_EQ(options.web_y, 8562);
    EXPECT_FALSE(read_options_checked(*ini).ok());
}

TEST(LayoutOptionsFlags, OnExactlyWhenOne) {
    const IniSections ini = parse_layout_text("[org]\nTR_Enable=2\nGD_Enable=0\nDPILED_Status=1\n");
    const LayoutOptions options = options_from(ini);
    EXPECT_FALSE(options.tr_enable);
    EXPECT_FALSE(options.gd_enable);
    EXPECT_TRUE(options.dpiled_status);
}

TEST(LayoutResource, RefusesBytesThatAreNotCodePage936) {
    const std::vector<std::uint8_t> bad = {'[', 'o', 'r', 'g', ']', '\r', '\n', 0x81, 0x20};
    EXPECT_FALSE(parse_layout_resource(bad).ok());
}

TEST(EmbeddedOptions, AreTheDefaults) {
    Result<LayoutOptions> options = read_options();
    ASSERT_TRUE(options.ok()) << options.error().message;
    EXPECT_FALSE(options->web_enable);
    EXPECT_EQ(options->web_x, 466);
    EXPECT_EQ(options->web_y, 8562);
    EXPECT_EQ(options->rev_manu_id, 0);
    EXPECT_EQ(options->rev_pro_id, 0);
    EXPECT_EQ(options->path, "");
    EXPECT_FALSE(options->tr_enable);
    EXPECT_TRUE(options->gd_enable);
    EXPECT_TRUE(options->dpiled_status);
    EXPECT_EQ(options->gun6_num, 2);
    EXPECT_EQ(options->gun7_num, 3);
    EXPECT_EQ(options->num_order, 0);
    EXPECT_FALSE(options->web.empty());
}

TEST(EmbeddedLayouts, Org3EqualsOrg1AndOrg2DiffersOnlyOnTheKeyPage) {
    Result<Layout> org1 = load_layout(1);
    Result<Layout> org2 = load_layout(2);
    Result<Layout> org3 = load_layout(3);
    ASSERT_TRUE(org1.ok() && org2.ok() && org3.ok());
    ASSERT_EQ(org1->keys(), org3->keys());
    ASSERT_EQ(org1->keys(), org2->keys());
    for (const std::string& key : org1->keys()) {
        EXPECT_EQ(org1->value(key), org3->value(key)) << key;
        const bool key_page = key.starts_with("Key") && key.size() <= 11;
        if (!key_page) {
            EXPECT_EQ(org1->value(key), org2->value(key)) << key;
        }
    }
    for (int k = 1; k <= 9; ++k) {
        const std::string enable = "Key" + std::to_string(k) + "_Enable";
        EXPECT_EQ(org1->value(enable), k <= 6 ? 1 : 0) << enable;
        EXPECT_EQ(org2->value(enable), (k <= 5 || k == 7 || k == 8) ? 1 : 0) << enable;
    }
    EXPECT_EQ(org1->value("Btn_B9_Enable"), 0);
    EXPECT_TRUE(org1->faulty_keys().empty());
}

}  // namespace
}  // namespace krvm
