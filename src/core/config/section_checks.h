// The checks every image gets when it enters the tool: a section whose checksum (or, for
// Parameter B, a value/complement pair) does not hold is replaced in the section copy, silently.
// `DataBuf` keeps the damaged bytes until the next write assembles it from the copies.
#pragma once

#include <cstdint>
#include <span>

#include "core/config/image_layout.h"

namespace krvm {

// Each returns whether it had to repair the section.
bool CheckParameterASection(std::span<std::uint8_t, image::kParameterASize> section);
bool CheckParameterBSection(std::span<std::uint8_t, image::kParameterBSize> section);
bool CheckProfileSection(std::span<std::uint8_t, image::kProfileSize> section);
bool CheckFireKeySection(std::span<std::uint8_t, image::kFireKeySize> section);

}  // namespace krvm
