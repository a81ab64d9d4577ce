#include "cli/identify.h"

#include <cstdio>

#include "cli/exit_codes.h"
#include "cli/messages.h"
#include "core/config/identification.h"

namespace krvm::cli {

namespace {

void say(const CommandContext& context, std::string_view id) {
    std::fprintf(stderr, "%s\n", message_text(id, context.language).c_str());
}

}  // namespace

std::optional<int> identify_for_image(CommandContext& context) {
    if (!context.session.connected()) {
        say(context, message::kNoDevice);
        say(context, message::kCheckUsb);
        return kNoMouse;
    }
    auto generic = preset_identifier();
    if (!generic) {
        std::fprintf(stderr, "krvm640ctl: %s\n", generic.error().message.c_str());
        return kFileError;
    }
    CommandChannel& channel = context.session.channel();
    const IdentifierPair accepted[] = {*generic};
    Identification identification = identify_mouse(channel, accepted);
    switch (identification.outcome) {
        case Identification::Outcome::unanswered:
            std::fprintf(stderr, "The mouse did not answer.\n");
            return kNoAnswer;
        case Identification::Outcome::refused:
            channel.leave_config_mode();
            say(context, message::kFindingDevice);
            return kNotServed;
        case Identification::Outcome::wrong_identifier:
            channel.leave_config_mode();
            say(context, message::kIdentifierError);
            return kWrongIdentifier;
        case Identification::Outcome::accepted:
            break;
    }
    return std::nullopt;
}

std::optional<int> identify_and_read(CommandContext& context, ConfigCycle& cycle) {
    if (auto refused = identify_for_image(context)) return refused;
    cycle.Btn_Read();
    return std::nullopt;
}

}  // namespace krvm::cli
