// Where the system's texts come from: the current language table maps a string identifier
// ("Str100", "Str020") to its text in UTF-8. Code that names things takes a lookup instead of a
// table, so it can be tested with a handful of texts.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace krvm {

using TextLookup = std::function<std::string(std::string_view id)>;

}  // namespace krvm
