// The command-line options both programs share: which mouse to talk to and what to record.
//   --simulate[=FILE]       the simulated mouse, its EEPROM in memory or in FILE
//   --sim-option KEY=VALUE  a setting of the simulated mouse (repeatable)
//   --sim-log FILE          transcript of every report exchanged with the simulated mouse
//   --sim-control FILE      "plugged" or "unplugged" in FILE plugs the simulated mouse in or out
//   --trace FILE            transcript of every report exchanged with a real mouse
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/common/result.h"
#include "core/device/simulation_options.h"

namespace krvm {

struct DeviceOptions {
    bool simulate = false;
    std::optional<std::filesystem::path> simulation_file;
    SimulationOptions simulation;
    std::optional<std::filesystem::path> simulation_log;
    std::optional<std::filesystem::path> simulation_control;
    std::optional<std::filesystem::path> trace;
};

struct ParsedArguments {
    DeviceOptions device;
    std::vector<std::string> rest;  // everything that is not a device option, in order
};

// Takes the device options out of `arguments` (without the program name). Both "--opt VALUE"
// and "--opt=VALUE" are accepted.
Result<ParsedArguments> parse_device_options(const std::vector<std::string>& arguments);

// The help text of the device options, for both programs' --help.
extern const char* const kDeviceOptionsHelp;

}  // namespace krvm
