#include "core/app/identification.h"

#include <algorithm>
#include <array>

namespace krvm {

Identification identify_mouse(CommandChannel& channel, std::span<const IdentifierBytes> accepted) {
    Identification result;
    switch (channel.enter_config_mode()) {
        case ConfigModeEntry::unanswered:
            return result;
        case ConfigModeEntry::not_served:
            channel.leave_config_mode();
            result.outcome = IdentifyOutcome::not_served;
            return result;
        case ConfigModeEntry::served:
            break;
    }
    std::array<std::uint8_t, kIdentifierLength> bytes{};
    channel.read_block(kIdentifierAddress, kIdentifierLength, bytes, false);
    result.identifier = IdentifierBytes{bytes[0], bytes[1]};
    if (std::find(accepted.begin(), accepted.end(), *result.identifier) != accepted.end()) {
        result.outcome = IdentifyOutcome::accepted;
        return result;
    }
    channel.leave_config_mode();
    result.outcome = IdentifyOutcome::identifier_refused;
    return result;
}

}  // namespace krvm
