// The identification every command that needs the mouse starts with: configuration mode, the
// controller, and the identifier bytes, which must equal those of the embedded preset 1.
#pragma once

#include "cli/commands.h"
#include "core/config/config_cycle.h"

namespace krvm::cli {

// Identifies the mouse and tells the user why it cannot be used. On success configuration mode
// is open and the caller's next step is the image read; otherwise the exit code is returned.
std::optional<int> identify_for_image(CommandContext& context);

// Identification followed by the image read into `cycle`, as when the mouse is plugged in.
std::optional<int> identify_and_read(CommandContext& context, ConfigCycle& cycle);

}  // namespace krvm::cli
