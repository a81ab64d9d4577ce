// The built-in section defaults: what a new controller gets, what the section checks put in
// place of a damaged section, and what the engineer page's built-in restore writes.
#pragma once

#include "core/config/image_model.h"

namespace krvm {

// Every section copy filled with its built-in default, the three checksums sealed.
SectionCopies builtin_sections();

// The values the Parameter B check puts into a pair that does not add up to 255. The LED state
// pair is repaired to mode 1 (01 FE), unlike the built-in section default (00 FF).
inline constexpr std::uint8_t kRepairedCurrentCpiLevel = 0x01;
inline constexpr std::uint8_t kRepairedLedState = 0x01;
inline constexpr std::uint8_t kRepairedKeyMode = 0x00;

}  // namespace krvm
