#include "cli/identify.h"

#include <cstdio>

#include "cli/exit_codes.h"
#include "cli/messages.h"
#include "core/app/accepted_identifiers.h"
#include "core/app/identification.h"
#include "core/config/cycle_host.h"

namespace krvm::cli {

namespace {

void say(const CommandContext& context, std::string_view id) {
    print_message(id, context.language);
}

}  // namespace

std::optional<int> identify_for_image(CommandContext& context) {
    if (int opened = context.session.open_mouse(context.language); opened != kSuccess) {
        return opened;
    }
    Identification identification =
        identify_mouse(context.session.link().channel(), accepted_identifier_pairs());
    switch (identification.outcome) {
        case IdentifyOutcome::unanswered:
            std::fprintf(stderr, "The mouse did not answer.\n");
            return kNoAnswer;
        case IdentifyOutcome::not_served:
            say(context, message::kFindingDevice);
            return kNotServed;
        case IdentifyOutcome::identifier_refused:
            say(context, message::kIdentifierError);
            return kWrongIdentifier;
        case IdentifyOutcome::accepted:
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
