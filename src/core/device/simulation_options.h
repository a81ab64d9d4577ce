// How the simulated mouse behaves: set from code, or from the command line as KEY=VALUE.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/common/result.h"

namespace krvm {

struct SimulationOptions {
    enum class Answer {
        normal,  // acknowledge with 0xCC
        never,   // leave the status at 0 forever
        refuse,  // answer with a non-zero status other than 0xCC
    };
    struct AddressRange {
        int first = 0;
        int last = 0;
    };

    std::uint8_t type_code = 0xFD;  // status byte 3
    bool access = true;             // status flag 0x04
    std::uint8_t signature = 0xAA;  // status byte 1
    Answer answer = Answer::normal;
    int latency = 0;                          // polls answered "not yet" before each answer
    std::optional<AddressRange> drop_writes;  // acknowledged but not stored
    std::optional<long> unplug_after;         // reports before the mouse is gone
    std::uint16_t buttons = 0;                // pressed-button mask
};

// Applies one `KEY=VALUE` setting (type, access, signature, answer, latency, drop-writes,
// unplug-after, buttons). Numbers may be decimal or 0x-prefixed hexadecimal.
Status apply_simulation_option(SimulationOptions& options, std::string_view key_value);

}  // namespace krvm
