#include <gtest/gtest.h>

#include "cli/run_ctl.h"


#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

namespace {

using krvm::testing::Outcome;
using krvm::testing::run_ctl;

struct InfoCase {
    const char* name;
    const char* arguments;
    int exit_code;
    const char* expected_output;
};
std::ostream& operator<<(std::ostream& out, const InfoCase& c) {
    return out << c.arguments;
}

class Info : public ::testing::TestWithParam<InfoCase> {};

TEST_P(Info, ReportsWhatTheMouseSaid) {
    const InfoCase& c = GetParam();
    Outcome outcome = run_ctl(c.arguments);
    EXPECT_EQ(outcome.exit_code, c.exit_code) << outcome.output;
    EXPECT_NE(outcome.output.find(c.expected_output), std::string::npos) << outcome.output;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Info,
    ::testing::Values(
        InfoCase{"served", "--simulate info", 0, "controller type: 152\nEEPROM access: granted"},
        InfoCase{"type144", "--simulate --sim-option type=0x35 info", 4, "controller type: 144"},
        InfoCase{"noAccess", "--simulate --sim-option access=0 info", 4, "EEPROM access: denied"},
        InfoCase{"silent", "--simulate --sim-option answer=never info", 3, "did not answer"},
        InfoCase{"badOption", "--simulate --sim-option colour=red info", 1,
                 "unknown simulation option"},
        InfoCase{"noCommand", "--simulate", 1, "no command given"},
        InfoCase{"help", "--help", 0, "Exit codes:"},
        InfoCase{"list", "--simulate list", 0,
                 "* simulated:krvm640        1BCF   08A0    0104    8"},
        InfoCase{"unplugged",
                 "--simulate --sim-control /nonexistent/ctl --sim-option unplug-after=0 info", 2,
                 "No Device Found"},
        // Str100 of LANG1 (its Str101 is empty)
        InfoCase{"unpluggedChinese",
                 "--lang 1 --simulate --sim-control /nonexistent/ctl --sim-option unplug-after=0 "
                 "info",
                 2,
                 "\xE8\xAF\xB7\xE7\xA1\xAE\xE8\xAE\xA4\xE5\xB7\xB2\xE8\xBF\x9E"
                 "\xE6\x8E\xA5\xE6\x8C\x87\xE5\xAE\x9A\xE8\xAE\xBE\xE5\xA4\x87\n"}),
    [](const auto& info) { return info.param.name; });

TEST(InfoTranscript, RecordsEveryReportInOrder) {
    auto log =
        std::filesystem::temp_directory_path() / ("krvm640-cli-log-" + std::to_string(::getpid()));
    Outcome outcome = run_ctl("--simulate --sim-log " + log.string() + " info");
    ASSERT_EQ(outcome.exit_code, 0) << outcome.output;
    std::ifstream file(log);
    std::string first, second;
    std::getline(file, first);
    std::getline(file, second);
    EXPECT_EQ(first, "SET 04 01 00 00 00 00 00 00");
    EXPECT_EQ(second, "GET 04 01 00 00 00 00 00 CC");
    std::filesystem::remove(log);
}

TEST(InfoSimulationFile, WrongSizedFileIsRefusedClearly) {
    auto file = std::filesystem::temp_directory_path() /
                ("krvm640-cli-eeprom-" + std::to_string(::getpid()));
    std::ofstream(file) << "too short";
    Outcome outcome = run_ctl("--simulate=" + file.string() + " info");
    EXPECT_EQ(outcome.exit_code, 6);
    EXPECT_NE(outcome.output.find("exactly 2048"), std::string::npos) << outcome.output;
    std::filesystem::remove(file);
}

}  // namespace
