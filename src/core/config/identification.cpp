#include "core/config/identification.h"

#include <algorithm>

#include "core/config/default_images.h"

namespace krvm {

namespace {

constexpr int kIdentifierAddress = image::kParameterBOffset + image::parameter_b::kManufacturer;
constexpr int kIdentifierLength = 2;
static_assert(kIdentifierAddress == 54);

}  // namespace

Result<IdentifierPair> preset_identifier() {
    auto preset = embedded_default_image(1);
    if (!preset) return preset.error();
    return IdentifierPair{(*preset)[kIdentifierAddress], (*preset)[kIdentifierAddress + 1]};
}

Identification identify_mouse(CommandChannel& channel, std::span<const IdentifierPair> accepted) {
    Identification result;
    ConfigModeEntry entry = channel.enter_config_mode();
    result.status = channel.status();
    if (entry == ConfigModeEntry::unanswered) return result;
    if (entry == ConfigModeEntry::not_served) {
        result.outcome = Identification::Outcome::refused;
        return result;
    }
    std::array<std::uint8_t, kIdentifierLength> bytes{};
    result.identifier_read =
        channel.read_block(kIdentifierAddress, kIdentifierLength, bytes, false);
    result.identifier = {bytes[0], bytes[1]};
    bool known = std::find(accepted.begin(), accepted.end(), result.identifier) != accepted.end();
    result.outcome =
        known ? Identification::Outcome::accepted : Identification::Outcome::wrong_identifier;
    return result;
}

}  // namespace krvm
