#include "cli/image_facts.h"

namespace krvm::cli {

using namespace image;
namespace pa = image::parameter_a;
namespace pb = image::parameter_b;

namespace {

// The CPI a level's value index stands for.
constexpr std::array<int, 11> kCpiValues = {500,  800,  1000, 1200, 1600, 2000,
                                            2400, 3200, 4000, 4800, 6400};
// The normal LED's palette, by index.
constexpr std::array<const char*, 7> kPalette = {"Red",    "Green", "Yellow", "Blue",
                                                 "Purple", "Cyan",  "White"};
constexpr int kMaxMcuLights = 13;
constexpr int kMaxMcuCountCode = 9;

}  // namespace

ImageFacts decode_image(const ConfigState& state) {
    const SectionCopies& s = state.sections;
    const auto& a = s.parameter_a;
    const auto& b = s.parameter_b;
    ImageFacts d;
    d.checks = state.last_checks;
    d.file_type_ok = state.data_buf[kFileTypeOffset] == kFileType;
    d.manufacturer = b[pb::kManufacturer];
    d.product = b[pb::kProduct];
    d.key_mode = (b[pb::kKeyMode] & pb::kKeyMode2Bit) ? 2 : 1;
    d.cpi_count = a[pa::kCpiLevelCount];
    for (std::size_t k = 0; k < 7; ++k) {
        std::uint8_t index = a[pa::kCpiValues + k];
        d.cpi_values[k] = index < kCpiValues.size() ? kCpiValues[index] : 0;
        std::uint8_t colour = a[pa::kCpiColours + k];
        d.cpi_colours[k] = colour < kPalette.size() ? kPalette[colour] : nullptr;
        for (std::size_t c = 0; c < 3; ++c)
            d.mcu_cpi_colours[k][c] = a[pa::kMcuCpiColours + 3 * k + c];
    }
    d.current_level = b[pb::kCurrentCpiLevel] + 1;
    d.buttons = state.hex;
    std::uint8_t flags = a[pa::kOptionFlags];
    d.middle_cpi_switch = flags & pa::kMiddleCpiLedSwitchBit;
    d.left_cpi_mode_switch = flags & pa::kLeftCpiLedModeBit;
    d.normal_led = flags & pa::kNormalLedBit;
    std::uint8_t mcu = a[pa::kMcuLedOptions];
    d.mcu_all_lights = mcu & pa::kMcuAllLightsBit;
    int count_code = mcu >> pa::kMcuCountShift;
    d.mcu_light_count = count_code <= kMaxMcuCountCode ? kMaxMcuLights - count_code : 0;
    for (std::size_t n = 0; n < 7; ++n) d.mcu_modes[n] = (a[pa::kMcuModeMask] >> (n + 1)) & 1;
    d.breathing_step = a[pa::kBreathingStep];
    std::uint8_t led = b[pb::kLedState];
    d.led_mode = led & pb::kLedModeMask;
    d.led_off = led & pb::kLedOffBit;
    d.mcu_step = (led & pb::kMcuStepMask) >> pb::kMcuStepShift;
    d.fire_count = s.fire_key[fire_key::kRepeatCount] + 1;
    d.fire_interval = s.fire_key[fire_key::kInterval];
    d.applied = image_as_applied(state.data_buf);
    return d;
}

}  // namespace krvm::cli
