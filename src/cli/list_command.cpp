// krvm640ctl list: every HID interface, with the one the tool would choose marked.
#include <cstdio>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "core/app/discovery.h"

namespace krvm::cli {

int list_command(CommandContext& context) {
    auto interfaces = context.session.bus().enumerate();
    auto chosen = chosen_interface(interfaces, kAcceptedIdentifierTable[0], kRequiredVersion);
    std::printf("  %-24s %-6s %-7s %-7s %s\n", "path", "vendor", "product", "version",
                "feature length");
    for (const HidInterfaceInfo& info : interfaces) {
        bool is_chosen = chosen && chosen->path == info.path;
        std::printf("%c %-24s %04X   %04X    %04X    %d\n", is_chosen ? '*' : ' ',
                    info.path.c_str(), info.vendor_id, info.product_id, info.version,
                    info.feature_report_length);
    }
    if (!chosen) std::printf("No configuration interface of the mouse is present.\n");
    return kSuccess;
}

}  // namespace krvm::cli
