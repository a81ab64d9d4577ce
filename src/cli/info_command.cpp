// krvm640ctl info: what the mouse says about itself.
#include <cstdio>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/messages.h"
#include "core/config/cycle_host.h"
#include "core/config/identification.h"

namespace krvm::cli {

int info_command(CommandContext& context) {
    if (!context.session.connected()) {
        std::fprintf(stderr, "%s\n%s\n", message_text(message::kNoDevice, context.language).c_str(),
                     message_text(message::kCheckUsb, context.language).c_str());
        return kNoMouse;
    }
    CommandChannel& channel = context.session.channel();
    auto generic = preset_identifier();
    if (!generic) {
        std::fprintf(stderr, "krvm640ctl: %s\n", generic.error().message.c_str());
        return kFileError;
    }
    const IdentifierPair accepted[] = {*generic};
    Identification identification = identify_mouse(channel, accepted);
    if (identification.outcome == Identification::Outcome::unanswered) {
        std::fprintf(stderr, "The mouse did not answer.\n");
        return kNoAnswer;
    }
    channel.leave_config_mode();

    std::printf("controller type: %d\n", identification.status.controller_type);
    std::printf("EEPROM access: %s\n", identification.status.access_allowed ? "granted" : "denied");
    if (identification.outcome == Identification::Outcome::refused) {
        std::fprintf(stderr, "%s\n",
                     message_text(message::kFindingDevice, context.language).c_str());
        return kNotServed;
    }
    if (!identification.identifier_read) {
        std::fprintf(stderr, "The mouse did not answer.\n");
        return kNoAnswer;
    }
    std::printf("manufacturer id: %d\nproduct id: %d\n", identification.identifier.manufacturer,
                identification.identifier.product);
    std::printf("identifier: %s\n",
                identification.outcome == Identification::Outcome::accepted
                    ? "accepted"
                    : message_text(message::kIdentifierError, context.language).c_str());
    return kSuccess;
}

}  // namespace krvm::cli
