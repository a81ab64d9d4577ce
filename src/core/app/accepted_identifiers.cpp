#include "core/app/accepted_identifiers.h"

namespace krvm {

std::vector<IdentifierBytes> accepted_identifier_pairs() {
    // The default image's pair (generic) and the layout settings' reserved pair.
    return {IdentifierBytes{0xFF, 0xFF}, IdentifierBytes{0x00, 0x00}};
}

}  // namespace krvm
