// Making sure the opened mouse is one the tool serves: the controller must be of type 152 with
// EEPROM access, and the identifier bytes stored in the mouse must be an accepted pair.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/device/command_channel.h"

namespace krvm {

// The manufacturer and product codes at EEPROM address 54 and 55; 255 means generic.
struct IdentifierBytes {
    std::uint8_t manufacturer = 0xFF;
    std::uint8_t product = 0xFF;
    bool operator==(const IdentifierBytes&) const = default;
};

constexpr int kIdentifierAddress = 54;
constexpr int kIdentifierLength = 2;

enum class IdentifyOutcome {
    unanswered,          // no answer or a wrong signature: nothing more was sent
    not_served,          // other controller or no access: configuration mode was left
    identifier_refused,  // identifier bytes not accepted: configuration mode was left
    accepted,            // the mouse is still in configuration mode, ready for the image read
};

struct Identification {
    IdentifyOutcome outcome = IdentifyOutcome::unanswered;
    std::optional<IdentifierBytes> identifier;  // as read from the mouse, when it was read
};

Identification identify_mouse(CommandChannel& channel, std::span<const IdentifierBytes> accepted);

}  // namespace krvm
