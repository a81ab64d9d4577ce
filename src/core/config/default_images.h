// The three complete default images the program carries: preset 1 (also the image shown without
// a mouse and the source of the accepted identifier bytes), preset 2 and preset 3.
#pragma once

#include <string>

#include "core/common/result.h"
#include "core/config/image_model.h"

namespace krvm {

constexpr int kPresetCount = 3;

// The resource name of preset `preset` (1..3): "KRVM640Data_Cfg1" and so on.
std::string default_image_name(int preset);

// Preset `preset` (1..3), read again from the resources at every call.
Result<DataBuf> embedded_default_image(int preset);

}  // namespace krvm
