#include "core/app/accepted_identifiers.h"

#include "core/config/default_images.h"
#include "core/ui/layout_options.h"

namespace krvm {

std::vector<IdentifierBytes> accepted_identifier_pairs() {
    std::vector<IdentifierBytes> pairs;
    // The pair of the embedded preset 1: every image the tool writes carries it.
    if (auto preset = embedded_default_image(1)) {
        pairs.push_back({(*preset)[kIdentifierAddress], (*preset)[kIdentifierAddress + 1]});
    }
    // The reserved pair of the layout settings (a missing key reads as its default, 0).
    auto options = read_options();
    const LayoutOptions reserved = options ? *options : LayoutOptions{};
    pairs.push_back({static_cast<std::uint8_t>(reserved.rev_manu_id),
                     static_cast<std::uint8_t>(reserved.rev_pro_id)});
    return pairs;
}

}  // namespace krvm
