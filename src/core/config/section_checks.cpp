#include "core/config/section_checks.h"

#include "core/common/checksum.h"
#include "core/config/builtin_defaults.h"

namespace krvm {

namespace {

template <std::size_t N>
bool replace_unless_sealed(std::span<std::uint8_t, N> section,
                           const std::array<std::uint8_t, N>& fallback) {
    if (checksum_holds(section)) return false;
    std::copy(fallback.begin(), fallback.end(), section.begin());
    seal_checksum(section);
    return true;
}

// A value/complement pair that does not add up to 255 gets `value` and its complement.
bool repair_pair(std::span<std::uint8_t> section, std::size_t offset, std::uint8_t value) {
    if (section[offset] + section[offset + 1] == 0xFF) return false;
    section[offset] = value;
    section[offset + 1] = static_cast<std::uint8_t>(0xFF - value);
    return true;
}

}  // namespace

bool CheckParameterASection(std::span<std::uint8_t, image::kParameterASize> section) {
    return replace_unless_sealed(section, builtin_sections().parameter_a);
}

// The identifier bytes are not checked.
bool CheckParameterBSection(std::span<std::uint8_t, image::kParameterBSize> section) {
    using namespace image::parameter_b;
    bool repaired = repair_pair(section, kCurrentCpiLevel, kRepairedCurrentCpiLevel);
    repaired |= repair_pair(section, kLedState, kRepairedLedState);
    repaired |= repair_pair(section, kKeyMode, kRepairedKeyMode);
    return repaired;
}

bool CheckProfileSection(std::span<std::uint8_t, image::kProfileSize> section) {
    return replace_unless_sealed(section, builtin_sections().profile);
}

bool CheckFireKeySection(std::span<std::uint8_t, image::kFireKeySize> section) {
    return replace_unless_sealed(section, builtin_sections().fire_key);
}

}  // namespace krvm
