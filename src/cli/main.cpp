// krvm640ctl: the mouse's configuration from the command line, for scripts and bug reports.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/exit_codes.h"
#include "cli/mouse_session.h"
#include "core/app/device_options.h"

namespace krvm::cli {
namespace {

constexpr const char* kUsageText =
    "Usage: krvm640ctl [OPTIONS] COMMAND\n"
    "\n"
    "Commands:\n"
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
    "  6  a file could not be read or written\n";

void print_help() { std::printf("%s%s%s", kUsageText, kDeviceOptionsHelp, kExitCodes); }

// Identifier bytes: the manufacturer and product codes at EEPROM address 54 (255 = generic).
constexpr int kIdentifierAddress = 54;
constexpr int kIdentifierLength = 2;

int info(MouseSession& session) {
    if (!session.connected()) {
        std::fprintf(stderr, "No Device Found\nPlease check your device is attached to USB port\n");
        return kNoMouse;
    }
    CommandChannel& channel = session.channel();
    ConfigModeEntry entry = channel.enter_config_mode();
    if (entry == ConfigModeEntry::unanswered) {
        std::fprintf(stderr, "The mouse did not answer.\n");
        return kNoAnswer;
    }
    std::vector<std::uint8_t> identifier(kIdentifierLength, 0xFF);
    bool identified = entry == ConfigModeEntry::served &&
                      channel.read_block(kIdentifierAddress, kIdentifierLength, identifier, false);
    channel.leave_config_mode();

    const ControllerStatus& status = channel.status();
    std::printf("controller type: %d\n", status.controller_type);
    std::printf("EEPROM access: %s\n", status.access_allowed ? "granted" : "denied");
    if (entry != ConfigModeEntry::served) {
        std::fprintf(stderr, "Finding the specified device\n");
        return kNotServed;
    }
    if (!identified) {
        std::fprintf(stderr, "The mouse did not answer.\n");
        return kNoAnswer;
    }
    std::printf("manufacturer id: %d\nproduct id: %d\n", identifier[0], identifier[1]);
    return kSuccess;
}

int run(const std::vector<std::string>& arguments) {
    auto parsed = parse_device_options(arguments);
    if (!parsed) {
        std::fprintf(stderr, "krvm640ctl: %s\n", parsed.error().message.c_str());
        return kUsage;
    }
    const std::vector<std::string>& rest = parsed->rest;
    if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
        print_help();
        return kSuccess;
    }
    if (rest.size() != 1 || rest[0] != "info") {
        std::fprintf(stderr, "krvm640ctl: %s\nTry 'krvm640ctl --help'.\n",
                     rest.empty() ? "no command given" : ("unknown command '" + rest[0] + "'").c_str());
        return kUsage;
    }
    auto session = MouseSession::open(parsed->device);
    if (!session) {
        std::fprintf(stderr, "krvm640ctl: %s\n", session.error().message.c_str());
        return kFileError;
    }
    return info(**session);
}

}  // namespace
}  // namespace krvm::cli

int main(int argc, char** argv) {
    return krvm::cli::run(std::vector<std::string>(argv + 1, argv + argc));
}
