// The range guard of the Input Value dialog: every change of the edit text passes through it and
// an out-of-range or empty value is corrected in the field itself, never reported.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace krvm {

// The kind digit of the macro line being edited decides the range.
inline constexpr int kInputKindXMove = 3;        // signed pointer movement, -128..127
inline constexpr int kInputKindYMove = 5;        // signed pointer movement, -128..127
inline constexpr int kInputKindRepeatStart = 7;  // repeat count, 0..255

// The text the field must show instead of `text`, or nothing when `text` stands. A lone "-" is
// a number being typed and stands; an empty field becomes "0". Text that is not a whole number
// (pasted letters, a second "-") also becomes "0", so the field always holds a usable value.
// Kinds other than 3, 5 and 7 are not guarded.
std::optional<std::string> guard_input_value(int kind, std::string_view text);

}  // namespace krvm
