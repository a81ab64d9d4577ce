// The commands of krvm640ctl, one file each. Each returns an exit code (cli/exit_codes.h).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "cli/mouse_session.h"

namespace krvm::cli {

struct CommandContext {
    MouseSession& session;
    int language;
};

// Lists every HID interface, marking the one the tool would open.
int list_command(CommandContext& context);
int info_command(CommandContext& context);
// Identifies and reads the mouse and saves its image, as Save Profile does.
int read_command(CommandContext& context, const std::filesystem::path& file);
// Loads a profile and writes it with verification, as Load Profile does.
int write_command(CommandContext& context, const std::filesystem::path& file);
// `preset` is "1", "2", "3" or "builtin".
int restore_command(CommandContext& context, const std::string& preset);

// Decodes a profile file, without a mouse.
int show_file_command(const std::filesystem::path& file, bool json, int language);
// Decodes the mouse's image.
int show_mouse_command(CommandContext& context, bool json);

}  // namespace krvm::cli
