// The rapid-fire parameters of the Fire Key: how many times the left button is clicked and the
// interval between clicks, as the Advanced page's two number fields keep them in range. The
// Fire Key section stores the count as repeat operand count - 1 and the interval as the delay
// operand in units of 8 ms.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace krvm {

constexpr int kFireCountMin = 2;  // the count list runs from "2" to "127"
constexpr int kFireCountMax = 127;
constexpr int kFireIntervalMax = 255;

// The count field while it is typed in: empty becomes "2", 128 or more "127".
std::string fire_count_text(std::string_view text);
// The count field when it is left: a count below 2 becomes "2".
std::string fire_count_text_on_leave(std::string_view text);
// The count a (guarded) field stands for: 2 to 127.
int fire_count_of_text(std::string_view text);
// Index of a count in the count list ("2" is index 0).
constexpr int fire_count_list_index(int count) {
    return count - kFireCountMin;
}
// The Fire Key section's repeat operand of a count: the clicks run operand + 1 times.
constexpr std::uint8_t fire_count_operand(int count) {
    return static_cast<std::uint8_t>(count - 1);
}

// The interval field: empty or negative becomes "0", 256 or more "255".
std::string fire_interval_text(std::string_view text);
// The Fire Key section's interval operand of a field (units of 8 ms).
std::uint8_t fire_interval_of_text(std::string_view text);

}  // namespace krvm
