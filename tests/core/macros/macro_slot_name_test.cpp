#include "core/macros/macro_slot_name.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace krvm {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct SlotName {
    const char* what;
    Bytes bytes;  // the name bytes, padded to 32 by the test
    std::string name;
    bool named;
};
std::ostream& operator<<(std::ostream& out, const SlotName& c) {
    return out << c.what;
}

class SlotNames : public testing::TestWithParam<SlotName> {};

TEST_P(SlotNames, DecodeHighByteFirstUpToTheFirstZeroUnit) {
    Bytes bytes = GetParam().bytes;
    bytes.resize(kMacroNameSize, 0);
    EXPECT_EQ(macro_slot_name(bytes), GetParam().name);
    EXPECT_EQ(macro_slot_named(bytes), GetParam().named);
}

INSTANTIATE_TEST_SUITE_P(
    MacroSlotName, SlotNames,
    testing::Values(SlotName{"ascii", {0x00, 'M', 0x00, '1'}, "M1", true},
                    SlotName{"chinese",
                             {0x5B, 0x8F, 0x00, '2'},
                             "\xE5\xAE\x8F"
                             "2",
                             true},
                    SlotName{"empty", {}, "", false},
                    SlotName{"zeroUnitEndsTheName", {0x00, 'A', 0x00, 0x00, 0x00, 'B'}, "A", true},
                    SlotName{"lowByteOnlyIsNamed", {0x00, 'A'}, "A", true},
                    SlotName{"surrogatePair", {0xD8, 0x3D, 0xDE, 0x00}, "\xF0\x9F\x98\x80", true},
                    SlotName{"loneSurrogate",
                             {0xD8, 0x3D, 0x00, 'x'},
                             "\xEF\xBF\xBD"
                             "x",
                             true},
                    SlotName{"sixteenUnitsWithoutPadding",
                             {0, 'a', 0, 'b', 0, 'c', 0, 'd', 0, 'e', 0, 'f', 0, 'g', 0, 'h',
                              0, 'i', 0, 'j', 0, 'k', 0, 'l', 0, 'm', 0, 'n', 0, 'o', 0, 'p'},
                             "abcdefghijklmnop",
                             true}));

TEST(MacroSlotName, ReadsNoFurtherThanTheNameField) {
    Bytes slot(kMacroEntrySize, 0);
    for (std::size_t i = 0; i < kMacroNameSize; i += 2) slot[i + 1] = 'z';
    slot[kMacroNameSize + 1] = 'X';  // the record's first byte, not part of the name
    EXPECT_EQ(macro_slot_name(slot), std::string(16, 'z'));
}

}  // namespace
}  // namespace krvm
