// The embedded default images: the bytes preset 1 must hold, the checks all three pass, and the
// only places where presets 2 and 3 may differ from preset 1.
#include <gtest/gtest.h>

#include <vector>

#include "core/common/checksum.h"
#include "core/config/default_images.h"

namespace krvm {
namespace {

using namespace image;

DataBuf preset(int n) {
    auto image = embedded_default_image(n);
    EXPECT_TRUE(image.ok()) << (image.ok() ? "" : image.error().message);
    return image.ok() ? *image : DataBuf{};
}

struct Bytes {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

// Preset 1, region by region, reserved markers included.
const Bytes kPreset1[] = {
    {0x000, {0x45, 0xFE, 0x06, 0x28, 0xFF, 0x00, 0x01, 0x04, 0x06, 0x07, 0x09, 0x0A, 0x07,
             0x01, 0x04, 0x03, 0x00, 0x02, 0x05, 0x06, 0xFF, 0x00, 0x7F, 0xFF, 0xFF, 0xFF}},
    {0x01A, {0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00,
             0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0x7A}},
    {0x030,
     {0x01, 0xFE, 0x42, 0xBD, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF,
      0xFF}},
    {0x040, {0x01, 0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00, 0x01, 0x08, 0x00, 0x01, 0x10,
             0x00, 0x05, 0x00, 0x00, 0x07, 0x00, 0x00, 0x08, 0x00, 0x00, 0x06, 0x00, 0xF0}},
    {0x05B, {0x01, 0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00, 0x0D, 0x00, 0x00, 0x0C, 0x01,
             0x01, 0x0C, 0x02, 0x02, 0x0C, 0x03, 0x03, 0x0C, 0x02, 0x02, 0x0C, 0x06, 0x07, 0xC4}},
    {0x077, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x98}},
    {0x080,
     {0x0E, 0x05, 0x01, 0x0E, 0x05, 0x19, 0x0E, 0x05, 0x31, 0x0E, 0x05, 0x49, 0x0E, 0x05, 0x61,
      0x0E, 0x05, 0x79, 0x0E, 0x05, 0x91, 0x0E, 0x05, 0xA9, 0x0E, 0x05, 0xC1, 0x0E, 0x05, 0xD9}},
    {0x09E,
     {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF,
      0xFF, 0xFD, 0xFF}},
    {0x0B0, {0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF,
             0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF}},
    {0x0C4, {0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFD, 0xFF, 0xFF, 0xFF}},
    {0x0D0, {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF,
             0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0x80, 0x00, 0xFF,
             0x00, 0x80, 0x00, 0xFF, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    {0x0F0,
     {0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x06, 0xFC, 0x96, 0xFF, 0xFD, 0xFF, 0xFF,
      0xFF}},
};

TEST(DefaultImages, Preset1HoldsItsSettingsAndReservedBytes) {
    DataBuf image = preset(1);
    for (const Bytes& row : kPreset1) {
        for (std::size_t i = 0; i < row.bytes.size(); ++i) {
            EXPECT_EQ(image[row.offset + i], row.bytes[i])
                << "offset 0x" << std::hex << row.offset + i;
        }
    }
    for (std::size_t i = 0; i < kDeviceMacrosSize; ++i)
        ASSERT_EQ(image[kDeviceMacrosOffset + i], 0);
    for (std::size_t i = 0; i < kScriptSize; ++i) ASSERT_EQ(image[kScriptOffset + i], 0);
}

class EveryPreset : public ::testing::TestWithParam<int> {};

TEST_P(EveryPreset, PassesEveryCheck) {
    DataBuf image = preset(GetParam());
    SectionCopies copies;
    CheckOutcome outcome = copy_sections_out(image, copies);
    EXPECT_FALSE(outcome.parameter_a_repaired);
    EXPECT_FALSE(outcome.parameter_b_repaired);
    EXPECT_FALSE(outcome.profile_repaired);
    EXPECT_FALSE(outcome.fire_key_repaired);
}

// Each fire macro: release-key-stop flag 1, a recoil loop, a correct checksum, zeros after it;
// its function code points at its length byte; the 16 filler bytes are 0xFF.
TEST_P(EveryPreset, FireMacrosAreSealedRecoilLoops) {
    DataBuf image = preset(GetParam());
    for (std::size_t n = 0; n < kFireMacroCount; ++n) {
        std::span<const std::uint8_t> record(image.data() + kFireBlockOffset + n * kFireRecordSize,
                                             kFireRecordSize);
        std::size_t length = record[1];
        ASSERT_EQ(record[0], 1);
        ASSERT_EQ(length, 12u);
        EXPECT_EQ(record[2], 0xFD);
        EXPECT_EQ(record[length], 0xFC);
        EXPECT_EQ(record[length + 1], section_checksum(record.subspan(1, length)));
        for (std::size_t i = length + 2; i < kFireRecordSize; ++i) EXPECT_EQ(record[i], 0);
        std::size_t address = kFireBlockOffset + n * kFireRecordSize + 1;
        EXPECT_EQ(image[kFireCodesOffset + 3 * n + 1] << 8 | image[kFireCodesOffset + 3 * n + 2],
                  static_cast<int>(address));
    }
    for (std::size_t i = kFireRecordsSize; i < kFireBlockSize; ++i) {
        EXPECT_EQ(image[kFireBlockOffset + i], 0xFF);
    }
}

TEST_P(EveryPreset, DiffersFromPreset1OnlyInKeyModeAndFireMacros) {
    int n = GetParam();
    DataBuf first = preset(1);
    DataBuf image = preset(n);
    bool fire_macros_differ = false;
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        bool key_mode = offset == 0x034 || offset == 0x035;
        bool fire_macros =
            offset >= kFireBlockOffset && offset < kFireBlockOffset + kFireRecordsSize;
        if (key_mode) {
            EXPECT_EQ(image[offset],
                      n == 1 ? (offset == 0x034 ? 0x00 : 0xFF) : (offset == 0x034 ? 0x80 : 0x7F));
        } else if (fire_macros) {
            fire_macros_differ |= image[offset] != first[offset];
        } else {
            EXPECT_EQ(image[offset], first[offset]) << "offset 0x" << std::hex << offset;
        }
    }
    EXPECT_EQ(fire_macros_differ, n != 1);
}

INSTANTIATE_TEST_SUITE_P(Presets, EveryPreset, ::testing::Values(1, 2, 3));

TEST(DefaultImages, DifferentPresetsCarryDifferentFireMacros) {
    DataBuf second = preset(2);
    DataBuf third = preset(3);
    EXPECT_FALSE(std::equal(second.begin() + kFireBlockOffset,
                            second.begin() + kFireBlockOffset + kFireRecordsSize,
                            third.begin() + kFireBlockOffset));
}

}  // namespace
}  // namespace krvm
