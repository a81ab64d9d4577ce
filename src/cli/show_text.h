// `show` for people: an image's facts and names as text, captions in the chosen language.
#pragma once

#include "cli/image_facts.h"
#include "cli/image_names.h"

namespace krvm::cli {

void print_text(const ImageFacts& facts, const ImageNames& names, int language);

}  // namespace krvm::cli
