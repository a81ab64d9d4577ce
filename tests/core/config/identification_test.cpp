// Identifying the mouse: which replies lead to an image read, a refusal or Str107.
#include <gtest/gtest.h>

#include "core/config/cycle_fixture.h"
#include "core/config/identification.h"

namespace krvm {
namespace {

using testing::command_order;
using Outcome = Identification::Outcome;

struct IdentifyCase {
    const char* name;
    const char* option;  // simulation option, or "" for none
    std::uint8_t manufacturer;
    Outcome outcome;
    const char* commands;
};
std::ostream& operator<<(std::ostream& out, const IdentifyCase& c) {
    return out << c.name;
}

class Identify : public testing::CycleTest, public ::testing::WithParamInterface<IdentifyCase> {};

TEST_P(Identify, ReadsTheIdentifierOnlyFromAServedMouse) {
    const IdentifyCase& c = GetParam();
    SimulationOptions options;
    if (*c.option) {
        ASSERT_TRUE(apply_simulation_option(options, c.option));
    }
    Eeprom eeprom = simulated_start_image();
    eeprom[54] = c.manufacturer;
    connect(options, eeprom);
    const IdentifierPair accepted[] = {*preset_identifier()};
    Identification result = identify_mouse(channel, accepted);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(command_order(log), c.commands);
}

INSTANTIATE_TEST_SUITE_P(
    Mice, Identify,
    ::testing::Values(
        IdentifyCase{"generic", "", 0xFF, Outcome::accepted, "Begin Status ReadSetup ReadPiece"},
        IdentifyCase{"otherMaker", "", 0x07, Outcome::wrong_identifier,
                     "Begin Status ReadSetup ReadPiece"},
        IdentifyCase{"type153", "type=0x75", 0xFF, Outcome::refused, "Begin Status"},
        IdentifyCase{"noAccess", "access=0", 0xFF, Outcome::refused, "Begin Status"},
        IdentifyCase{"wrongSignature", "signature=0", 0xFF, Outcome::unanswered, "Begin Status"}),
    [](const auto& info) { return info.param.name; });

TEST(PresetIdentifier, IsGeneric) {
    EXPECT_EQ(*preset_identifier(), (IdentifierPair{0xFF, 0xFF}));
}

}  // namespace
}  // namespace krvm
