// The pages' controls as plain data, so the image rules can be kept and tested without widgets:
// radio pairs that may have neither button checked, lists that may have no selection, and
// number fields as the text the user typed. The GUI pages bind their widgets to these fields.
// `UIToDataBuf` and `RefreshUI` translate between them and the section copies.
#pragma once

#include <array>
#include <string>

#include "core/config/image_model.h"

namespace krvm {

// A pair of radio buttons for one bit: the button for 1 checked, the button for 0, or neither.
enum class RadioPair { neither, set, clear };

// The selected item of a list, or none.
constexpr int kNoSelection = -1;

using RgbFields = std::array<std::string, 3>;  // red, green, blue as typed

constexpr std::size_t kCpiLevels = 7;
constexpr std::size_t kMcuModes = 7;

struct PageState {
    // Option flags, byte 0x000.
    RadioPair middle_cpi_led_switch = RadioPair::neither;  // rb_MCPIOn / rb_MCPIOff
    RadioPair gun_fn = RadioPair::neither;                 // rb_FireFnOn / rb_FireFnOff
    RadioPair left_cpi_led_mode = RadioPair::neither;      // rb_LCPIOn / rb_LCPIOff
    RadioPair key_mode_not_kept = RadioPair::neither;      // rb_NoSave / rb_Save
    int sensor_orientation = kNoSelection;                 // cb_SensorOri, list index 0..7
    RadioPair normal_led = RadioPair::neither;             // rb_NorLED / rb_MCULED

    // Key-mode switch methods, byte 0x001.
    bool switch_by_middle_press = false;  // cb_MidPress
    bool switch_by_cpi_press = false;     // cb_CPIPress
    bool switch_by_gun_press = false;     // cb_GunPress

    int cpi_level_count = kNoSelection;  // cb_CPIStep: index 0..5 for 2..7 levels

    // MCU LED row.
    RadioPair mcu_all_lights = RadioPair::neither;  // rb_MCULED3Control / rb_MCULED6Control
    std::string mcu_led_count;                      // edt_MCULEDNum, 4..13
    std::array<bool, kMcuModes> mcu_modes{};        // cb_Mode1..cb_Mode7
    int mcu_current_mode = kNoSelection;            // cb_MCULEDCurrentMode, index 0..6
    std::string mcu_step;                           // edt_MCULEDCrtStep, 0..7

    // Normal LED.
    std::string breathing_step;             // edt_NorLEDStep, 0..255 ms
    bool normal_led_cpi_breathing = false;  // rb_NorLEDCPI

    RadioPair led_off = RadioPair::neither;  // rb_LEDOff / rb_LEDOn

    // CPI levels.
    std::array<int, kCpiLevels> cpi_values{};           // index into the CPI value list 0..10
    std::array<int, kCpiLevels> cpi_colours{};          // cb_CPI1Color..: palette index 0..6
    std::array<RgbFields, kCpiLevels> mcu_cpi_colours;  // edt_CPI1R..edt_CPI7B
    int current_cpi_level = kNoSelection;               // cb_CurrentCPI, index 0..6

    RgbFields key_mode1_colour;
    RgbFields key_mode2_colour;
    int key_mode = kNoSelection;  // cb_KeyMode: 0 = key mode 1, 1 = key mode 2

    // Identifier bytes (engineer page).
    std::string manufacturer_code;  // edt_VendorID
    std::string product_code;       // edt_ProductID

    // Fire macros' side tables.
    std::array<std::string, image::kFireMacroCount> y_offsets;   // edt_YOffset1..10
    std::array<RgbFields, image::kFireMacroCount> fire_colours;  // edt_FireMacroColor1R..10B

    // Rapid fire (Fire key section).
    int fire_count = kNoSelection;  // cb_FireCount: index 0..125 for "2".."127"
    std::string fire_interval;      // edt_FireTime, units of 8 ms

    PageState() {
        cpi_values.fill(kNoSelection);
        cpi_colours.fill(kNoSelection);
    }
    bool operator==(const PageState&) const = default;
};

// The controls into the section copies. Bits and bytes that no control stands for, and those
// whose control holds nothing usable (neither radio checked, no selection, a value out of range
// or not a number), keep what the copies held.
void UIToDataBuf(const PageState& page, SectionCopies& copies);

// The section copies into the controls, with the inverse encodings.
void RefreshUI(const SectionCopies& copies, PageState& page);

// Sensor orientation: list index 0..7 to the 3-bit code the image holds, and back.
int sensor_orientation_code(int list_index);
int sensor_orientation_index(int code);

}  // namespace krvm
