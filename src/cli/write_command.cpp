// krvm640ctl write FILE: a profile file written to the mouse with verification, as Load Profile
// does. The mouse's own image is read first: a short file replaces only its leading bytes.
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/identify.h"

namespace krvm::cli {

int write_command(CommandContext& context, const std::filesystem::path& file) {
    CliHost host(context.language);
    ConfigCycle cycle(context.session.channel(), host);
    if (auto refused = identify_and_read(context, cycle)) return *refused;
    ConfigCycle::ProfileApply applied = cycle.load_profile_file(file);
    switch (applied.outcome) {
        case ProfileLoad::Outcome::unreadable:
            return kFileError;
        case ProfileLoad::Outcome::wrong_file_type:
            return kWrongFileType;
        case ProfileLoad::Outcome::loaded:
            break;
    }
    return applied.verification == Verification::failed ? kWriteFailed : kSuccess;
}

}  // namespace krvm::cli
