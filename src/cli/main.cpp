// krvm640ctl: the mouse's configuration from the command line, for scripts and bug reports.
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "core/app/device_options.h"

namespace krvm::cli {
namespace {

constexpr const char* kUsageText =
    "Usage: krvm640ctl [OPTIONS] COMMAND\n"
    "\n"
    "Commands:\n"
    "  list       every HID interface; '*' marks the one the tool would open\n"
    "  info       identify the mouse: controller type, access flag, identifier bytes\n"
    "\n"
    "Options:\n"
    "  --help                  show this text\n";

constexpr const char* kExitCodes =
    "\n"
    "Exit codes:\n"
    "  0  success\n"
    "  1  wrong command line\n"
    "  2  no mouse found\n"
    "  3  the mouse did not answer\n"
    "  4  the mouse was refused (controller type other than 152, or no EEPROM access)\n"
    "  5  the mouse is there but you may not open it: install the udev rule and replug\n"
    "  6  a file could not be read or written\n"
    "  7  the identifier bytes stored in the mouse are not accepted\n";

const std::map<std::string, std::function<int(MouseSession&)>> kCommands{
    {"list", list_command},
    {"info", info_command},
};

int run(const std::vector<std::string>& arguments) {
    auto parsed = parse_device_options(arguments);
    if (!parsed) {
        std::fprintf(stderr, "krvm640ctl: %s\n", parsed.error().message.c_str());
        return kUsage;
    }
    const std::vector<std::string>& rest = parsed->rest;
    if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
        std::printf("%s%s%s", kUsageText, kDeviceOptionsHelp, kExitCodes);
        return kSuccess;
    }
    auto command = rest.size() == 1 ? kCommands.find(rest[0]) : kCommands.end();
    if (command == kCommands.end()) {
        std::string problem =
            rest.empty() ? "no command given" : "unknown command '" + rest[0] + "'";
        std::fprintf(stderr, "krvm640ctl: %s\nTry 'krvm640ctl --help'.\n", problem.c_str());
        return kUsage;
    }
    auto session = MouseSession::create(parsed->device);
    if (!session) {
        std::fprintf(stderr, "krvm640ctl: %s\n", session.error().message.c_str());
        return kFileError;
    }
    return command->second(**session);
}

}  // namespace
}  // namespace krvm::cli

int main(int argc, char** argv) {
    return krvm::cli::run(std::vector<std::string>(argv + 1, argv + argc));
}
