#include "core/ui/input_value_guard.h"

#include <gtest/gtest.h>

namespace krvm {
namespace {

struct GuardRow {
    int kind;
    const char* typed;
    const char* shown;  // what the field holds after the guard
};

class InputValueGuard : public ::testing::TestWithParam<GuardRow> {};

TEST_P(InputValueGuard, CorrectsTheFieldInPlace) {
    const GuardRow& row = GetParam();
    const std::optional<std::string> corrected = guard_input_value(row.kind, row.typed);
    EXPECT_EQ(corrected.value_or(row.typed), row.shown);
}

INSTANTIATE_TEST_SUITE_P(Rows, InputValueGuard,
                         ::testing::Values(
                             // Typing a Y movement character by character.
                             GuardRow{5, "-", "-"}, GuardRow{5, "-1", "-1"},
                             GuardRow{5, "-12", "-12"}, GuardRow{5, "-129", "-128"},
                             GuardRow{5, "-128", "-128"}, GuardRow{3, "127", "127"},
                             GuardRow{3, "128", "127"}, GuardRow{3, "", "0"},
                             // Repeat start.
                             GuardRow{7, "300", "255"}, GuardRow{7, "255", "255"},
                             GuardRow{7, "-3", "0"}, GuardRow{7, "-", "-"}, GuardRow{7, "", "0"},
                             GuardRow{7, "007", "007"},
                             // Pasted text that is no number, and digits far beyond any range.
                             GuardRow{5, "1-2", "0"}, GuardRow{7, "--", "0"},
                             GuardRow{3, "abc", "0"}, GuardRow{7, "99999999999999999999999", "255"},
                             GuardRow{5, "-99999999999999999999999", "-128"},
                             // Other kinds are left alone.
                             GuardRow{1, "300", "300"}, GuardRow{0, "", ""}));

}  // namespace
}  // namespace krvm
