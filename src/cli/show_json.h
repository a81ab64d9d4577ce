// `show --json`: an image's facts and names as one JSON object on one line.
#pragma once

#include "cli/image_facts.h"
#include "cli/image_names.h"

namespace krvm::cli {

void print_json(const ImageFacts& facts, const ImageNames& names);

}  // namespace krvm::cli
