// The identifier-byte pairs a mouse may carry and still be served: the pair of the embedded
// default image (generic, 255/255) and the reserved pair of the layout settings.
#pragma once

#include <vector>

#include "core/app/identification.h"

namespace krvm {

std::vector<IdentifierBytes> accepted_identifier_pairs();

}  // namespace krvm
