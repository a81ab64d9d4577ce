#include "core/config/default_images.h"

#include <algorithm>
#include <stdexcept>

#include "core/resources/embedded.h"

namespace krvm {

std::string default_image_name(int preset) {
    if (preset < 1 || preset > kPresetCount) throw std::out_of_range("no such default image");
    return "KRVM640Data_Cfg" + std::to_string(preset);
}

Result<DataBuf> embedded_default_image(int preset) {
    std::string name = default_image_name(preset);
    auto bytes = resources::find(name);
    if (!bytes) return Error{"the embedded resource " + name + " is missing"};
    DataBuf image;
    if (bytes->size() != image.size()) {
        return Error{"the embedded resource " + name + " holds " + std::to_string(bytes->size()) +
                     " bytes instead of 2048"};
    }
    std::copy(bytes->begin(), bytes->end(), image.begin());
    return image;
}

}  // namespace krvm
