// krvm640ctl read FILE: the mouse's image into a profile file, as Save Profile stores it.
#include <cstdio>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/identify.h"

namespace krvm::cli {

int read_command(CommandContext& context, const std::filesystem::path& file) {
    CliHost host(context.language);
    ConfigCycle cycle(context.session.link().channel(), host);
    if (auto refused = identify_and_read(context, cycle)) return *refused;
    if (!cycle.save_profile_file(file)) return kFileError;
    return kSuccess;
}

}  // namespace krvm::cli
