// The settings of an image as `show` reports them, decoded from the section copies after the
// checks: identifier, key mode, CPI levels, button codes, lighting and rapid fire.
#pragma once

#include <array>

#include "core/config/config_state.h"

namespace krvm::cli {

// The facts of an image, decoded from the section copies after the checks.
struct ImageFacts {
    CheckOutcome checks;
    bool file_type_ok = true;
    int manufacturer = 0;
    int product = 0;
    int key_mode = 1;
    int cpi_count = 0;
    std::array<int, 7> cpi_values{};  // 0 for a byte outside the list
    int current_level = 0;
    HexView buttons;
    bool middle_cpi_switch = false;
    bool left_cpi_mode_switch = false;
    bool normal_led = false;
    bool mcu_all_lights = false;
    int mcu_light_count = 0;  // 0 for a code outside 0..9
    std::array<bool, 7> mcu_modes{};
    int breathing_step = 0;
    std::array<const char*, 7> cpi_colours{};  // nullptr for an index outside the palette
    std::array<std::array<int, 3>, 7> mcu_cpi_colours{};
    int led_mode = 0;
    bool led_off = false;
    int mcu_step = 0;
    int fire_count = 0;
    int fire_interval = 0;
    DataBuf applied{};
};

ImageFacts decode_image(const ConfigState& state);

// "ok", or "repaired" for a section the checks had to replace.
inline const char* check_word(bool repaired) {
    return repaired ? "repaired" : "ok";
}

}  // namespace krvm::cli
