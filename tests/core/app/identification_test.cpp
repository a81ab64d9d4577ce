#include "core/app/identification.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/device/recording_transport.h"
#include "core/device/simulated_mouse.h"

namespace krvm {
namespace {

using namespace protocol;

struct IdentifyCase {
    const char* name;
    std::uint8_t type_code;
    bool access;
    std::uint8_t signature;
    std::uint8_t manufacturer;
    std::uint8_t product;
    IdentifyOutcome outcome;
    bool left_config_mode;  // reload and end were sent
};

std::ostream& operator<<(std::ostream& out, const IdentifyCase& c) {
    return out << c.name;
}

class Identify : public ::testing::TestWithParam<IdentifyCase> {};

TEST_P(Identify, AcceptsOnlyServedControllersWithAcceptedIdentifiers) {
    const IdentifyCase& c = GetParam();
    SimulationOptions options;
    options.type_code = c.type_code;
    options.access = c.access;
    options.signature = c.signature;
    Eeprom eeprom = simulated_start_image();
    eeprom[kIdentifierAddress] = c.manufacturer;
    eeprom[kIdentifierAddress + 1] = c.product;
    SimulatedMouse firmware(options, eeprom);
    std::vector<testing::LoggedReport> log;
    Connection connection;
    connection.handle = std::make_unique<testing::RecordingTransport>(firmware, log);
    testing::CountingSleeper sleeper;
    CommandChannel channel(connection, sleeper);

    const IdentifierBytes accepted[] = {{0xFF, 0xFF}, {0x00, 0x00}};
    Identification identification = identify_mouse(channel, accepted);

    EXPECT_EQ(identification.outcome, c.outcome);
    EXPECT_EQ(testing::count_sent(log, EndCmd), c.left_config_mode ? 1 : 0);
    EXPECT_EQ(testing::count_sent(log, SystemReloadCmd), c.left_config_mode ? 1 : 0);
    EXPECT_EQ(firmware.in_config_mode(),
              c.outcome == IdentifyOutcome::accepted || c.outcome == IdentifyOutcome::unanswered);
    if (c.outcome == IdentifyOutcome::accepted ||
        c.outcome == IdentifyOutcome::identifier_refused) {
        ASSERT_TRUE(identification.identifier);
        EXPECT_EQ(identification.identifier->manufacturer, c.manufacturer);
        EXPECT_EQ(identification.identifier->product, c.product);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Mice, Identify,
    ::testing::Values(
        IdentifyCase{"generic", 0xFD, true, 0xAA, 255, 255, IdentifyOutcome::accepted, false},
        IdentifyCase{"reservedPair", 0xFD, true, 0xAA, 0, 0, IdentifyOutcome::accepted, false},
        IdentifyCase{"otherMaker", 0xFD, true, 0xAA, 12, 34, IdentifyOutcome::identifier_refused,
                     true},
        IdentifyCase{"halfGeneric", 0xFD, true, 0xAA, 255, 0, IdentifyOutcome::identifier_refused,
                     true},
        IdentifyCase{"type144", 0x35, true, 0xAA, 255, 255, IdentifyOutcome::not_served, true},
        IdentifyCase{"type153", 0x75, true, 0xAA, 255, 255, IdentifyOutcome::not_served, true},
        IdentifyCase{"noAccess", 0xFD, false, 0xAA, 255, 255, IdentifyOutcome::not_served, true},
        IdentifyCase{"badSignature", 0xFD, true, 0x00, 255, 255, IdentifyOutcome::unanswered,
                     false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace krvm
