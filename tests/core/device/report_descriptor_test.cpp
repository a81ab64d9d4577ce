#include "core/device/report_descriptor.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/device/report_descriptors.h"

namespace krvm {
namespace {

struct DescriptorCase {
    const char* name;
    std::vector<std::uint8_t> descriptor;
    int feature_length;
};

std::ostream& operator<<(std::ostream& out, const DescriptorCase& c) {
    return out << c.name;
}

class FeatureLength : public ::testing::TestWithParam<DescriptorCase> {};

TEST_P(FeatureLength, IsTheLongestFeatureReportPlusTheIdByte) {
    EXPECT_EQ(feature_report_length(GetParam().descriptor), GetParam().feature_length);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptors, FeatureLength,
    ::testing::Values(
        DescriptorCase{"configurationInterface", testing::kConfigurationInterface, 8},
        DescriptorCase{"bootMouse", testing::kBootMouseInterface, 0},
        DescriptorCase{"keyboardSide", testing::kKeyboardSideInterface, 65},
        // Without report ids the id byte still counts; bits round up to whole bytes.
        DescriptorCase{"noReportIds", {0x75, 0x01, 0x95, 0x0C, 0xB1, 0x02}, 3},
        // Two feature items of one report add up.
        DescriptorCase{"oneReportTwoItems",
                       {0x85, 0x04, 0x75, 0x08, 0x95, 0x03, 0xB1, 0x02, 0x95, 0x04, 0xB1, 0x02},
                       8},
        // A four-byte item cut off by the end of the descriptor stops the walk there.
        DescriptorCase{"truncated", {0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0x27, 0xFF}, 8},
        DescriptorCase{"longItemSkipped",
                       {0xFE, 0x02, 0x10, 0xB1, 0x02, 0x75, 0x08, 0x95, 0x02, 0xB1, 0x02},
                       3},
        DescriptorCase{"empty", {}, 0}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace krvm
