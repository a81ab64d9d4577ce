// krvm640ctl info: identify the mouse the way the window does, and say what it answered.
#include <cstdio>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/messages.h"
#include "core/app/accepted_identifiers.h"
#include "core/app/identification.h"
#include "core/config/cycle_host.h"

namespace krvm::cli {

int info_command(CommandContext& context) {
    if (int opened = context.session.open_mouse(context.language); opened != kSuccess) {
        return opened;
    }
    CommandChannel& channel = context.session.link().channel();
    Identification identification = identify_mouse(channel, accepted_identifier_pairs());
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
            print_message(message::kFindingDevice, context.language);
            return kNotServed;
        case IdentifyOutcome::identifier_refused:
            print_message(message::kIdentifierError, context.language);
            return kWrongIdentifier;
        default:
            channel.leave_config_mode();
            std::printf("identifier: accepted\n");
            return kSuccess;
    }
}

}  // namespace krvm::cli
