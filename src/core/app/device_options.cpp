#include "core/app/device_options.h"

namespace krvm {

const char* const kDeviceOptionsHelp =
    "  --simulate[=FILE]       talk to the simulated mouse instead of real hardware; with FILE\n"
    "                          its 2048-byte EEPROM is kept in FILE (created when missing)\n"
    "  --sim-option KEY=VALUE  set up the simulated mouse (repeatable): type=BYTE, access=0|1,\n"
    "                          signature=BYTE, answer=normal|never|refuse, latency=POLLS,\n"
    "                          drop-writes=FROM-TO, unplug-after=REPORTS, buttons=MASK\n"
    "  --sim-log FILE          write every report exchanged with the simulated mouse to FILE\n"
    "  --sim-control FILE      plug the simulated mouse in or out while the tool runs: write\n"
    "                          'plugged' or 'unplugged' into FILE (read at every device check)\n"
    "  --trace FILE            write every report exchanged with a real mouse to FILE\n";

Result<ParsedArguments> parse_device_options(const std::vector<std::string>& arguments) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string name = argument;
        std::optional<std::string> inline_value;
        if (auto equals = argument.find('=');
            argument.starts_with("--") && equals != std::string::npos) {
            name = argument.substr(0, equals);
            inline_value = argument.substr(equals + 1);
        }
        auto value = [&]() -> Result<std::string> {
            if (inline_value) return *inline_value;
            if (i + 1 >= arguments.size()) return Error{name + " needs a value"};
            return arguments[++i];
        };

        if (name == "--simulate") {
            parsed.device.simulate = true;
            if (inline_value) {
                if (inline_value->empty()) return Error{"--simulate= needs a file name"};
                parsed.device.simulation_file = *inline_value;
            }
        } else if (name == "--sim-option") {
            auto setting = value();
            if (!setting) return setting.error();
            if (Status applied = apply_simulation_option(parsed.device.simulation, *setting);
                !applied) {
                return applied.error();
            }
        } else if (name == "--sim-log" || name == "--sim-control" || name == "--trace") {
            auto file = value();
            if (!file) return file.error();
            auto& target = name == "--trace"     ? parsed.device.trace
                           : name == "--sim-log" ? parsed.device.simulation_log
                                                 : parsed.device.simulation_control;
            target = *file;
        } else {
            parsed.rest.push_back(argument);
        }
    }
    return parsed;
}

}  // namespace krvm
