// What `show` tells about an image beyond its settings bytes: the name of every button's
// function in the chosen language, the device macros with their names and line lists, the Fire
// Key's line list and the ten fire macros with the gun preset each belongs to.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/config/config_state.h"
#include "core/macros/macro_record.h"

namespace krvm::cli {

struct DeviceMacroView {
    std::string name;  // empty for a slot that is not named
    // empty: no record (length byte 0 or 255); damaged: the checksum does not match, and the
    // tool clears such a record after a read, so it has no lines.
    enum class Content { empty, ok, damaged } content = Content::empty;
    std::optional<bool> release_key_stop;
    std::vector<std::string> lines;  // the line list, header line first
    bool complete = true;            // false when decoding stopped at an unknown event
};

struct FireMacroView {
    std::string gun;   // name of the gun preset that plays this slot
    int gun_mode = 0;  // 1.. for the guns with several slots, 0 for a gun with one
    std::optional<bool> release_key_stop;
    int y_offset = 0;  // signed correction of the Y movement
    std::array<int, 3> colour{};
    std::vector<std::string> lines;
    bool complete = true;
};

struct ImageNames {
    std::array<std::string, image::profile::kButtons> key_mode1;
    std::array<std::string, image::profile::kButtons> key_mode2;
    std::array<DeviceMacroView, 4> device_macros;
    std::vector<std::string> fire_key_lines;
    bool fire_key_complete = true;
    std::array<FireMacroView, image::kFireMacroCount> fire_macros;
};

// Names in `language` (1..3). Without the gun key file, guns are named by the gun presets.
ImageNames name_image(const ConfigState& state, int language);

}  // namespace krvm::cli
