#include "core/macros/rapid_fire.h"

#include <gtest/gtest.h>

namespace krvm {
namespace {

struct Guarded {
    std::string_view typed;
    std::string_view shown;
};

class CountWhileTyping : public testing::TestWithParam<Guarded> {};
TEST_P(CountWhileTyping, IsKeptInRange) {
    EXPECT_EQ(fire_count_text(GetParam().typed), GetParam().shown);
}
INSTANTIATE_TEST_SUITE_P(RapidFire, CountWhileTyping,
                         testing::Values(Guarded{"", "2"}, Guarded{"1", "1"}, Guarded{"12", "12"},
                                         Guarded{"127", "127"}, Guarded{"128", "127"},
                                         Guarded{"999", "127"}, Guarded{"99999999999", "127"},
                                         Guarded{"x", "2"}));

class CountOnLeave : public testing::TestWithParam<Guarded> {};
TEST_P(CountOnLeave, IsAtLeastTwo) {
    EXPECT_EQ(fire_count_text_on_leave(GetParam().typed), GetParam().shown);
}
INSTANTIATE_TEST_SUITE_P(RapidFire, CountOnLeave,
                         testing::Values(Guarded{"1", "2"}, Guarded{"0", "2"}, Guarded{"", "2"},
                                         Guarded{"3", "3"}, Guarded{"200", "127"}));

class Interval : public testing::TestWithParam<Guarded> {};
TEST_P(Interval, IsAByte) {
    EXPECT_EQ(fire_interval_text(GetParam().typed), GetParam().shown);
}
INSTANTIATE_TEST_SUITE_P(RapidFire, Interval,
                         testing::Values(Guarded{"", "0"}, Guarded{"-1", "0"}, Guarded{"0", "0"},
                                         Guarded{"255", "255"}, Guarded{"256", "255"},
                                         Guarded{"100", "100"}));

TEST(RapidFire, CountsBecomeListIndicesAndRepeatOperands) {
    // A count of 2 is the first list item and stored as repeat operand 1.
    EXPECT_EQ(fire_count_list_index(2), 0);
    EXPECT_EQ(fire_count_operand(2), 1);
    EXPECT_EQ(fire_count_operand(127), 126);
    EXPECT_EQ(fire_count_of_text("1"), 2);
    EXPECT_EQ(fire_count_of_text("127"), 127);
    EXPECT_EQ(fire_interval_of_text("6"), 6);
    EXPECT_EQ(fire_interval_of_text("300"), 255);
}

}  // namespace
}  // namespace krvm
