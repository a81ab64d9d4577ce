#include "core/ui/term_table.h"

#include <gtest/gtest.h>

namespace krvm {
namespace {

TEST(TermTable, HoldsEveryIdentifierOnceWithAnEmptyMiddleColumn) {
    ASSERT_EQ(term_records().size(), 144u);
    for (std::size_t i = 0; i < term_records().size(); ++i) {
        const TTerm& t = term_records()[i];
        EXPECT_EQ(t.id, i);
        EXPECT_FALSE(t.texts[0].empty()) << int(t.id);
        EXPECT_TRUE(t.texts[1].empty()) << int(t.id);
        EXPECT_FALSE(t.texts[2].empty()) << int(t.id);
    }
}

struct TermCase {
    int id;
    int language;
    std::string_view text;
};

class Term : public ::testing::TestWithParam<TermCase> {};

TEST_P(Term, Lookup) {
    EXPECT_EQ(term(GetParam().id, GetParam().language), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Records, Term,
    ::testing::Values(TermCase{45, 0, "Vendor ID:"}, TermCase{45, 2, "厂商编码:"},
                      TermCase{95, 0, "Gun Parameter Setting"}, TermCase{143, 0, "Notes: "},
                      TermCase{61, 0, "Mode1 B::"}, TermCase{45, 1, ""}, TermCase{144, 0, ""},
                      TermCase{-1, 0, ""}, TermCase{45, 3, ""}));

TEST(EngineerLanguage, ChineseOnlyForThePrcLocale) {
    EXPECT_EQ(engineer_language_for_locale(locale_id_from_name("zh_CN.UTF-8")), 2);
    EXPECT_EQ(engineer_language_for_locale(locale_id_from_name("zh_CN")), 2);
    EXPECT_EQ(engineer_language_for_locale(locale_id_from_name("zh_TW.UTF-8")), 0);
    EXPECT_EQ(engineer_language_for_locale(locale_id_from_name("en_US.UTF-8")), 0);
    EXPECT_EQ(engineer_language_for_locale(locale_id_from_name("C")), 0);
    EXPECT_EQ(engineer_font(0), "MS Sans Serif");
    EXPECT_EQ(engineer_font(1), "Microsoft JhengHei");
}

}  // namespace
}  // namespace krvm
