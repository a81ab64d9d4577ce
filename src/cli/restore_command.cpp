// krvm640ctl restore 1|2|3|builtin: a preset (Confirm 1 to 3) or the engineer page's built-in
// restore, written with verification.
#include <cstdio>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/identify.h"

namespace krvm::cli {

int restore_command(CommandContext& context, const std::string& preset) {
    int number = preset == "1" ? 1 : preset == "2" ? 2 : preset == "3" ? 3 : 0;
    if (number == 0 && preset != "builtin") {
        std::fprintf(stderr, "krvm640ctl: restore takes 1, 2, 3 or builtin, not '%s'\n",
                     preset.c_str());
        return kUsage;
    }
    CliHost host(context.language);
    ConfigCycle cycle(context.session.link().channel(), host);
    if (auto refused = identify_and_read(context, cycle)) return *refused;
    Verification verification = Verification::skipped;
    if (number == 0) {
        verification = cycle.TLDefaultParameter();
    } else {
        auto restored = cycle.DefaultParameter(number);
        if (!restored) {
            std::fprintf(stderr, "krvm640ctl: %s\n", restored.error().message.c_str());
            return kFileError;
        }
        verification = *restored;
    }
    return verification == Verification::failed ? kWriteFailed : kSuccess;
}

}  // namespace krvm::cli
