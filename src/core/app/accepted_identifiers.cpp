#include "core/app/accepted_identifiers.h"

#include "core/config/default_images.h"

namespace krvm {

std::vector<IdentifierBytes> accepted_identifier_pairs() {
    std::vector<IdentifierBytes> pairs;
    // The pair of the embedded preset 1: every image the tool writes carries it.
    if (auto preset = embedded_default_image(1)) {
        pairs.push_back({(*preset)[kIdentifierAddress], (*preset)[kIdentifierAddress + 1]});
    }
    // The reserved pair of the layout settings.
    pairs.push_back({0x00, 0x00});
    return pairs;
}

}  // namespace krvm
