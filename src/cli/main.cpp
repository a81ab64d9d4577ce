// krvm640ctl: the mouse's configuration from the command line, for scripts and bug reports.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/messages.h"
#include "cli/mouse_session.h"
#include "core/app/device_options.h"

namespace krvm::cli {
namespace {

constexpr const char* kUsageText =
    "Usage: krvm640ctl [OPTIONS] COMMAND\n"
    "\n"
    "Commands:\n"
    "  list                 every HID interface; '*' marks the one the tool would open\n"
    "  info                 identify the mouse: controller type, access flag, identifier bytes\n"
    "  read FILE            read the mouse's 2048-byte image and save it in FILE (a profile)\n"
    "  write FILE           write the profile FILE to the mouse and verify it\n"
    "  restore 1|2|3|builtin\n"
    "                       write preset 1, 2 or 3, or the built-in defaults, and verify\n"
    "  show [FILE] [--json] decode the profile FILE, or the mouse's image without FILE:\n"
    "                       settings, button function names, macros as line lists\n"
    "\n"
    "Options:\n"
    "  --lang 1|2|3            language of the messages and of the function names (1 simplified\n"
    "                          Chinese, 2 traditional Chinese, 3 English, the default)\n"
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
    "  7  the mouse's manufacturer or product id is not accepted\n"
    "  8  the profile file's type byte is wrong\n"
    "  9  the settings did not read back as written after one rewrite (\"Fail\")\n";

void print_help() {
    std::printf("%s%s%s", kUsageText, kDeviceOptionsHelp, kExitCodes);
}

int usage_error(const std::string& problem) {
    std::fprintf(stderr, "krvm640ctl: %s\nTry 'krvm640ctl --help'.\n", problem.c_str());
    return kUsage;
}

struct CommandLine {
    std::vector<std::string> words;  // the command and its arguments
    int language = kEnglish;
    bool json = false;
};

// Takes --lang and --json out of the arguments that are not device options.
Result<CommandLine> parse_command_line(const std::vector<std::string>& rest) {
    CommandLine line;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& word = rest[i];
        if (word == "--json") {
            line.json = true;
        } else if (word == "--lang" || word.starts_with("--lang=")) {
            std::string value =
                word == "--lang" ? (i + 1 < rest.size() ? rest[++i] : "") : word.substr(7);
            if (value != "1" && value != "2" && value != "3")
                return Error{"--lang takes 1, 2 or 3"};
            line.language = value[0] - '0';
        } else if (word.starts_with("--")) {
            return Error{"unknown option '" + word + "'"};
        } else {
            line.words.push_back(word);
        }
    }
    return line;
}

int run(const std::vector<std::string>& arguments) {
    auto parsed = parse_device_options(arguments);
    if (!parsed) {
        std::fprintf(stderr, "krvm640ctl: %s\n", parsed.error().message.c_str());
        return kUsage;
    }
    for (const std::string& word : parsed->rest) {
        if (word == "--help" || word == "-h") {
            print_help();
            return kSuccess;
        }
    }
    auto line = parse_command_line(parsed->rest);
    if (!line) return usage_error(line.error().message);
    const std::vector<std::string>& words = line->words;
    if (words.empty()) return usage_error("no command given");
    const std::string& command = words[0];
    bool takes_file = command == "read" || command == "write" || command == "restore";
    bool takes_nothing = command == "info" || command == "list";
    if (!takes_file && !takes_nothing && command != "show") {
        return usage_error("unknown command '" + command + "'");
    }
    std::size_t count = words.size() - 1;
    bool fits = takes_file ? count == 1 : takes_nothing ? count == 0 : count <= 1;
    if (!fits) return usage_error("wrong number of arguments for '" + command + "'");
    if (command == "show" && words.size() == 2)
        return show_file_command(words[1], line->json, line->language);

    auto session = MouseSession::create(parsed->device);
    if (!session) {
        std::fprintf(stderr, "krvm640ctl: %s\n", session.error().message.c_str());
        return kFileError;
    }
    CommandContext context{**session, line->language};
    if (command == "list") return list_command(context);
    if (command == "info") return info_command(context);
    if (command == "read") return read_command(context, words[1]);
    if (command == "write") return write_command(context, words[1]);
    if (command == "restore") return restore_command(context, words[1]);
    return show_mouse_command(context, line->json);
}

}  // namespace
}  // namespace krvm::cli

int main(int argc, char** argv) {
    return krvm::cli::run(std::vector<std::string>(argv + 1, argv + argc));
}
