// Identifying the mouse before its image is read: configuration mode, the controller type and
// access flag, and the identifier bytes (manufacturer and product code) at EEPROM address 54.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/common/result.h"
#include "core/device/command_channel.h"

namespace krvm {

struct IdentifierPair {
    std::uint8_t manufacturer = 0xFF;
    std::uint8_t product = 0xFF;
    bool operator==(const IdentifierPair&) const = default;
};

struct Identification {
    enum class Outcome {
        unanswered,        // no answer or a wrong signature: nothing more is sent
        refused,           // controller other than type 152, or no EEPROM access
        wrong_identifier,  // served, but the identifier bytes are not accepted
        accepted,          // served and accepted: configuration mode stays open for the image read
    };
    Outcome outcome = Outcome::unanswered;
    ControllerStatus status;
    IdentifierPair identifier;     // as read; 255 and 255 when the read failed
    bool identifier_read = false;  // the 2-byte read was answered
};

// The identifier pair of the embedded preset 1 (both 255, "generic"), the pair every mouse
// written by the tool carries.
Result<IdentifierPair> preset_identifier();

// Enters configuration mode and reads the identifier bytes. For `refused` and
// `wrong_identifier` the caller ends configuration mode (`leave_config_mode`) and tells the
// user (Str020, Str107); for `accepted` the image read that follows ends it.
Identification identify_mouse(CommandChannel& channel, std::span<const IdentifierPair> accepted);

}  // namespace krvm
