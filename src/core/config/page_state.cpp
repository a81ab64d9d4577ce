#include "core/config/page_state.h"

#include <charconv>
#include <optional>

namespace krvm {

namespace {

using namespace image;
namespace pa = image::parameter_a;
namespace pb = image::parameter_b;

// "0°", "90 °", "180 °", "270 °", X mirrored, Y mirrored, swapped and inverted, swapped.
constexpr std::array<int, 8> kOrientationCodes = {7, 2, 4, 1, 6, 5, 0, 3};

constexpr int kCpiValueListSize = 11;
constexpr int kPaletteSize = 7;
constexpr int kMinCpiLevels = 2;
constexpr int kMaxCpiLevels = 7;
constexpr int kMinMcuLights = 4;
constexpr int kMaxMcuLights = 13;
constexpr int kMaxMcuStep = 7;
constexpr int kFireCountItems = 126;  // "2" to "127"

// A number field's text as an integer; nothing for a text that is not one.
std::optional<long> number(const std::string& text) {
    long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last) return std::nullopt;
    return value;
}

// The low byte of a number field, as the image stores it; the byte stays when the text is no
// number.
void put_low_byte(const std::string& text, std::uint8_t& byte) {
    if (auto value = number(text)) byte = static_cast<std::uint8_t>(*value & 0xFF);
}

void put_bit(RadioPair pair, std::uint8_t bit, std::uint8_t& byte) {
    if (pair == RadioPair::set) byte |= bit;
    if (pair == RadioPair::clear) byte &= static_cast<std::uint8_t>(~bit);
}

void put_bit(bool on, std::uint8_t bit, std::uint8_t& byte) {
    put_bit(on ? RadioPair::set : RadioPair::clear, bit, byte);
}

void put_index(int index, int count, std::uint8_t& byte) {
    if (index >= 0 && index < count) byte = static_cast<std::uint8_t>(index);
}

void put_rgb(const RgbFields& fields, std::uint8_t* rgb) {
    for (std::size_t i = 0; i < 3; ++i) put_low_byte(fields[i], rgb[i]);
}

void put_complement(std::span<std::uint8_t> section, std::size_t offset) {
    section[offset + 1] = static_cast<std::uint8_t>(0xFF - section[offset]);
}

RadioPair pair_of(std::uint8_t byte, std::uint8_t bit) {
    return (byte & bit) ? RadioPair::set : RadioPair::clear;
}

int index_of(std::uint8_t byte, int count) {
    return byte < count ? byte : kNoSelection;
}

void show_rgb(const std::uint8_t* rgb, RgbFields& fields) {
    for (std::size_t i = 0; i < 3; ++i) fields[i] = std::to_string(rgb[i]);
}

}  // namespace

int sensor_orientation_code(int list_index) {
    return list_index >= 0 && list_index < static_cast<int>(kOrientationCodes.size())
               ? kOrientationCodes[list_index]
               : -1;
}

int sensor_orientation_index(int code) {
    for (std::size_t i = 0; i < kOrientationCodes.size(); ++i) {
        if (kOrientationCodes[i] == code) return static_cast<int>(i);
    }
    return kNoSelection;
}

void UIToDataBuf(const PageState& page, SectionCopies& copies) {
    auto& a = copies.parameter_a;
    std::uint8_t& flags = a[pa::kOptionFlags];
    put_bit(page.middle_cpi_led_switch, pa::kMiddleCpiLedSwitchBit, flags);
    put_bit(page.gun_fn, pa::kGunFnBit, flags);
    put_bit(page.left_cpi_led_mode, pa::kLeftCpiLedModeBit, flags);
    put_bit(page.key_mode_not_kept, pa::kKeyModeNotKeptBit, flags);
    if (int code = sensor_orientation_code(page.sensor_orientation); code >= 0) {
        flags = static_cast<std::uint8_t>((flags & ~pa::kSensorOrientationMask) |
                                          code << pa::kSensorOrientationShift);
    }
    put_bit(page.normal_led, pa::kNormalLedBit, flags);
    bool normal_led = (flags & pa::kNormalLedBit) != 0;

    std::uint8_t& switching = a[pa::kKeyModeSwitch];
    put_bit(page.switch_by_middle_press, pa::kMiddleLongPressBit, switching);
    put_bit(page.switch_by_cpi_press, pa::kCpiLongPressBit, switching);
    put_bit(page.switch_by_gun_press, pa::kGunLongPressBit, switching);

    if (page.cpi_level_count >= 0 && page.cpi_level_count <= kMaxCpiLevels - kMinCpiLevels) {
        a[pa::kCpiLevelCount] = static_cast<std::uint8_t>(page.cpi_level_count + kMinCpiLevels);
    }

    std::uint8_t& mcu = a[pa::kMcuLedOptions];
    put_bit(page.mcu_all_lights, pa::kMcuAllLightsBit, mcu);
    if (auto count = number(page.mcu_led_count);
        count && *count >= kMinMcuLights && *count <= kMaxMcuLights) {
        mcu = static_cast<std::uint8_t>((mcu & ~pa::kMcuCountMask) | (kMaxMcuLights - *count)
                                                                         << pa::kMcuCountShift);
    }

    if (normal_led) {
        a[pa::kMcuModeMask] = 0xFF;
    } else {
        std::uint8_t mask = 0x01;
        for (std::size_t n = 0; n < kMcuModes; ++n) mask |= page.mcu_modes[n] ? 1u << (n + 1) : 0u;
        a[pa::kMcuModeMask] = mask;
    }
    put_low_byte(page.breathing_step, a[pa::kBreathingStep]);
    for (std::size_t k = 0; k < kCpiLevels; ++k) {
        put_index(page.cpi_values[k], kCpiValueListSize, a[pa::kCpiValues + k]);
    }
    for (std::size_t k = 0; k < kCpiLevels; ++k) {
        put_index(page.cpi_colours[k], kPaletteSize, a[pa::kCpiColours + k]);
    }
    put_rgb(page.key_mode1_colour, &a[pa::kKeyMode1Colour]);
    put_rgb(page.key_mode2_colour, &a[pa::kKeyMode2Colour]);
    for (std::size_t k = 0; k < kCpiLevels; ++k)
        put_rgb(page.mcu_cpi_colours[k], &a[pa::kMcuCpiColours + 3 * k]);

    auto& b = copies.parameter_b;
    put_index(page.current_cpi_level, kMaxCpiLevels, b[pb::kCurrentCpiLevel]);
    put_complement(b, pb::kCurrentCpiLevel);

    // The LED state is rebuilt from 0 at every write.
    std::uint8_t led = 0;
    if (normal_led) {
        if (page.normal_led_cpi_breathing) led |= 1;
    } else {
        if (page.mcu_current_mode >= 0 && page.mcu_current_mode < static_cast<int>(kMcuModes)) {
            led |= static_cast<std::uint8_t>(page.mcu_current_mode + 1);
        }
        if (auto step = number(page.mcu_step); step && *step >= 0 && *step <= kMaxMcuStep) {
            led |= static_cast<std::uint8_t>(*step << pb::kMcuStepShift);
        }
    }
    put_bit(page.led_off, pb::kLedOffBit, led);
    b[pb::kLedState] = led;
    put_complement(b, pb::kLedState);

    // So is the key mode byte.
    b[pb::kKeyMode] = page.key_mode == 1 ? pb::kKeyMode2Bit : 0;
    put_complement(b, pb::kKeyMode);
    put_low_byte(page.manufacturer_code, b[pb::kManufacturer]);
    put_low_byte(page.product_code, b[pb::kProduct]);

    for (std::size_t n = 0; n < kFireMacroCount; ++n) {
        put_low_byte(page.y_offsets[n], copies.y_offsets[2 * n]);
        put_complement(copies.y_offsets, 2 * n);
        put_rgb(page.fire_colours[n], &copies.fire_colours[3 * n]);
    }

    if (page.fire_count >= 0 && page.fire_count < kFireCountItems) {
        copies.fire_key[fire_key::kRepeatCount] = static_cast<std::uint8_t>(page.fire_count + 1);
    }
    put_low_byte(page.fire_interval, copies.fire_key[fire_key::kInterval]);
}

void RefreshUI(const SectionCopies& copies, PageState& page) {
    const auto& a = copies.parameter_a;
    std::uint8_t flags = a[pa::kOptionFlags];
    page.middle_cpi_led_switch = pair_of(flags, pa::kMiddleCpiLedSwitchBit);
    page.gun_fn = pair_of(flags, pa::kGunFnBit);
    page.left_cpi_led_mode = pair_of(flags, pa::kLeftCpiLedModeBit);
    page.key_mode_not_kept = pair_of(flags, pa::kKeyModeNotKeptBit);
    page.sensor_orientation = sensor_orientation_index((flags & pa::kSensorOrientationMask) >>
                                                       pa::kSensorOrientationShift);
    page.normal_led = pair_of(flags, pa::kNormalLedBit);
    bool normal_led = page.normal_led == RadioPair::set;

    std::uint8_t switching = a[pa::kKeyModeSwitch];
    page.switch_by_middle_press = (switching & pa::kMiddleLongPressBit) != 0;
    page.switch_by_cpi_press = (switching & pa::kCpiLongPressBit) != 0;
    page.switch_by_gun_press = (switching & pa::kGunLongPressBit) != 0;

    int levels = a[pa::kCpiLevelCount];
    page.cpi_level_count =
        levels >= kMinCpiLevels && levels <= kMaxCpiLevels ? levels - kMinCpiLevels : kNoSelection;

    std::uint8_t mcu = a[pa::kMcuLedOptions];
    page.mcu_all_lights = pair_of(mcu, pa::kMcuAllLightsBit);
    // Codes 10..15 stand for no light count; the field keeps what it showed.
    int count_code = mcu >> pa::kMcuCountShift;
    if (count_code <= kMaxMcuLights - kMinMcuLights)
        page.mcu_led_count = std::to_string(kMaxMcuLights - count_code);
    // Bit 0 of the mode mask is not a mode.
    for (std::size_t n = 0; n < kMcuModes; ++n)
        page.mcu_modes[n] = (a[pa::kMcuModeMask] >> (n + 1)) & 1;

    page.breathing_step = std::to_string(a[pa::kBreathingStep]);
    for (std::size_t k = 0; k < kCpiLevels; ++k) {
        page.cpi_values[k] = index_of(a[pa::kCpiValues + k], kCpiValueListSize);
        page.cpi_colours[k] = index_of(a[pa::kCpiColours + k], kPaletteSize);
        show_rgb(&a[pa::kMcuCpiColours + 3 * k], page.mcu_cpi_colours[k]);
    }
    show_rgb(&a[pa::kKeyMode1Colour], page.key_mode1_colour);
    show_rgb(&a[pa::kKeyMode2Colour], page.key_mode2_colour);

    // Complements are not looked at here; the Parameter B check took care of them.
    const auto& b = copies.parameter_b;
    page.current_cpi_level = index_of(b[pb::kCurrentCpiLevel], kMaxCpiLevels);
    std::uint8_t led = b[pb::kLedState];
    int mode = led & pb::kLedModeMask;
    // A normal LED only ever gets its breathing checked here, never unchecked.
    if (normal_led && mode == 1) page.normal_led_cpi_breathing = true;
    page.mcu_current_mode = mode >= 1 ? mode - 1 : kNoSelection;
    page.mcu_step = std::to_string((led & pb::kMcuStepMask) >> pb::kMcuStepShift);
    page.led_off = pair_of(led, pb::kLedOffBit);
    page.key_mode = (b[pb::kKeyMode] & pb::kKeyMode2Bit) ? 1 : 0;
    page.manufacturer_code = std::to_string(b[pb::kManufacturer]);
    page.product_code = std::to_string(b[pb::kProduct]);

    for (std::size_t n = 0; n < kFireMacroCount; ++n) {
        page.y_offsets[n] = std::to_string(copies.y_offsets[2 * n]);
        show_rgb(&copies.fire_colours[3 * n], page.fire_colours[n]);
    }
    int repeat = copies.fire_key[fire_key::kRepeatCount];
    page.fire_count = repeat >= 1 && repeat <= kFireCountItems ? repeat - 1 : kNoSelection;
    page.fire_interval = std::to_string(copies.fire_key[fire_key::kInterval]);
}

}  // namespace krvm
