// krvm640ctl write FILE: a profile file written to the mouse with verification, as Load Profile
// does. The mouse's own image is read first: a short file replaces only its leading bytes.
#include <cstdio>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/identify.h"

namespace krvm::cli {

int write_command(CommandContext& context, const std::filesystem::path& file) {
    // A file that cannot be read is reported before the mouse is spent time on.
    if (ProfileLoad early = load_profile(file, DataBuf{});
        early.outcome == ProfileLoad::Outcome::unreadable) {
        std::fprintf(stderr, "krvm640ctl: %s\n", early.reason.c_str());
        return kFileError;
    }
    CliHost host(context.language);
    ConfigCycle cycle(context.session.link().channel(), host);
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
