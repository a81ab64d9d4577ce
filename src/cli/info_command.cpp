// krvm640ctl info: identify the mouse the way the window does, and say what it answered.
#include <cstdio>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "core/app/accepted_identifiers.h"
#include "core/app/identification.h"

namespace krvm::cli {

int info_command(MouseSession& session) {
    if (int opened = session.open_mouse(); opened != kSuccess) return opened;
    CommandChannel& channel = session.link().channel();
    auto accepted = accepted_identifier_pairs();
    Identification identification = identify_mouse(channel, accepted);
    if (identification.outcome == IdentifyOutcome::unanswered) {
        std::fprintf(stderr, "The mouse did not answer.\n");
        return kNoAnswer;
    }
    const ControllerStatus& status = channel.status();
    std::printf("controller type: %d\n", status.controller_type);
    std::printf("EEPROM access: %s\n", status.access_allowed ? "granted" : "denied");
    if (identification.identifier) {
        std::printf("manufacturer id: %d\nproduct id: %d\n",
                    identification.identifier->manufacturer, identification.identifier->product);
    }
    switch (identification.outcome) {
        case IdentifyOutcome::not_served:
            std::fprintf(stderr, "Finding the specified device\n");
            return kNotServed;
        case IdentifyOutcome::identifier_refused:
            std::fprintf(stderr, "The mouse manufacturer or product id error\n");
            return kIdentifierRefused;
        default:
            channel.leave_config_mode();
            return kSuccess;
    }
}

}  // namespace krvm::cli
