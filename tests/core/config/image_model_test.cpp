// Splitting the image into its section copies with the checks, and assembling it again.
#include <gtest/gtest.h>

#include <random>

#include "core/common/checksum.h"
#include "core/config/builtin_defaults.h"
#include "core/config/default_images.h"
#include "core/config/image_model.h"

namespace krvm {
namespace {

using namespace image;

DataBuf cfg1() {
    return *embedded_default_image(1);
}

TEST(SectionChecksum, FlippedByteFailsUntilResealed) {
    DataBuf image = cfg1();
    std::span<std::uint8_t> profile(image.data() + kProfileOffset, kProfileSize);
    ASSERT_TRUE(checksum_holds(profile));
    profile[5] ^= 0x10;
    EXPECT_FALSE(checksum_holds(profile));
    seal_checksum(profile);
    EXPECT_TRUE(checksum_holds(profile));
}

TEST(BuiltinSections, CarryTheirKnownChecksums) {
    SectionCopies defaults = builtin_sections();
    EXPECT_EQ(defaults.parameter_a.back(), 0x79);
    EXPECT_EQ(defaults.profile.back(), 0xFE);
    EXPECT_EQ(defaults.fire_key.back(), 0x70);
    EXPECT_EQ(defaults.fire_codes[3], 0x0B);
    EXPECT_EQ(defaults.fire_codes[5], 0x19);
}

TEST(CopySectionsOut, BlankEepromIsRepairedInTheCopiesOnly) {
    DataBuf blank;
    blank.fill(0xFF);
    SectionCopies copies;
    CheckOutcome outcome = copy_sections_out(blank, copies);
    SectionCopies defaults = builtin_sections();
    EXPECT_TRUE(outcome.parameter_a_repaired);
    EXPECT_TRUE(outcome.profile_repaired);
    EXPECT_TRUE(outcome.fire_key_repaired);
    EXPECT_EQ(copies.parameter_a, defaults.parameter_a);
    EXPECT_EQ(copies.profile, defaults.profile);
    EXPECT_EQ(copies.fire_key, defaults.fire_key);
    const std::array<std::uint8_t, kParameterBSize> repaired_b = {0x01, 0xFE, 0x01, 0xFE,
                                                                  0x00, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(copies.parameter_b, repaired_b);
    EXPECT_EQ(blank[kFileTypeOffset], 0xFF);  // the image itself keeps what was read
}

TEST(CopySectionsOut, DamagedParameterAKeepsAnIntactProfile) {
    DataBuf image = cfg1();
    image[0x010] ^= 0x01;
    image[kProfileOffset + 12] = 0x02;  // a different, properly sealed Profile
    std::span<std::uint8_t> profile(image.data() + kProfileOffset, kProfileSize);
    seal_checksum(profile);
    SectionCopies copies;
    CheckOutcome outcome = copy_sections_out(image, copies);
    EXPECT_TRUE(outcome.parameter_a_repaired);
    EXPECT_FALSE(outcome.profile_repaired);
    EXPECT_EQ(copies.parameter_a, builtin_sections().parameter_a);
    EXPECT_TRUE(std::equal(profile.begin(), profile.end(), copies.profile.begin()));
}

struct PairCase {
    std::size_t offset;  // of the broken pair inside Parameter B
    std::uint8_t value;
    std::uint8_t complement;
};

class ParameterBPairs : public ::testing::TestWithParam<PairCase> {};

// Each pair is repaired on its own; the other pairs and the identifier bytes stay.
TEST_P(ParameterBPairs, OnlyTheBrokenPairIsRepaired) {
    const PairCase& c = GetParam();
    DataBuf image = cfg1();
    image[kParameterBOffset + c.offset] = 0x33;
    image[kParameterBOffset + 6] = 0x12;
    SectionCopies copies;
    EXPECT_TRUE(copy_sections_out(image, copies).parameter_b_repaired);
    for (std::size_t i = 0; i < kParameterBSize; ++i) {
        std::uint8_t expected = i == c.offset       ? c.value
                                : i == c.offset + 1 ? c.complement
                                                    : image[kParameterBOffset + i];
        EXPECT_EQ(copies.parameter_b[i], expected) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, ParameterBPairs,
                         ::testing::Values(PairCase{0, 0x01, 0xFE}, PairCase{2, 0x01, 0xFE},
                                           PairCase{4, 0x00, 0xFF}));

// Any image whose sections are intact comes back byte for byte, reserved bytes included.
TEST(CopySectionsIn, ReproducesAnImageWithIntactSections) {
    std::mt19937 random(640);
    DataBuf image;
    for (auto& byte : image) byte = static_cast<std::uint8_t>(random());
    seal_checksum(std::span<std::uint8_t>(image.data() + kParameterAOffset, kParameterASize));
    seal_checksum(std::span<std::uint8_t>(image.data() + kProfileOffset, kProfileSize));
    seal_checksum(std::span<std::uint8_t>(image.data() + kFireKeyOffset, kFireKeySize));
    for (std::size_t pair : {0, 2, 4}) {
        image[kParameterBOffset + pair + 1] = 0xFF - image[kParameterBOffset + pair];
    }
    SectionCopies copies;
    AreaBuffers areas;
    copy_sections_out(image, copies);
    copy_areas_out(image, areas, ScriptSplit::area_and_records);
    DataBuf assembled;
    assembled.fill(0x00);
    std::copy(image.begin(), image.end(), assembled.begin());
    copy_sections_in(copies, areas, assembled);
    EXPECT_EQ(assembled, image);
    EXPECT_TRUE(std::equal(areas.fire_records[9].begin(), areas.fire_records[9].end(),
                           image.begin() + kFireBlockOffset + 9 * kFireRecordSize));
    EXPECT_TRUE(std::equal(areas.script_records[1].begin(), areas.script_records[1].end(),
                           image.begin() + kScriptOffset + kScriptRecordSize));
}

TEST(CopySectionsIn, ResealsEditedSections) {
    DataBuf image = cfg1();
    SectionCopies copies;
    AreaBuffers areas;
    copy_sections_out(image, copies);
    copy_areas_out(image, areas, ScriptSplit::area);
    copies.parameter_a[parameter_a::kBreathingStep] = 9;
    copies.profile[0] = 0x02;
    copies.fire_key[fire_key::kInterval] = 0x20;
    copy_sections_in(copies, areas, image);
    SectionCopies again;
    CheckOutcome outcome = copy_sections_out(image, again);
    EXPECT_FALSE(outcome.parameter_a_repaired || outcome.profile_repaired ||
                 outcome.fire_key_repaired);
    EXPECT_EQ(again, copies);
}

TEST(HexView, ShowsBothKeyModesAsUpperCaseHex) {
    SectionCopies copies;
    copy_sections_out(cfg1(), copies);
    HexView view = hex_view_of(copies);
    EXPECT_EQ(view.key_mode1[0], "010100");
    EXPECT_EQ(view.key_mode1[8], "0600F0");
    EXPECT_EQ(view.key_mode2[3], "0D0000");
    EXPECT_EQ(view.key_mode2[8], "0C0607");
}

}  // namespace
}  // namespace krvm
