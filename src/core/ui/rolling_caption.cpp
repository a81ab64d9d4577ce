#include "core/ui/rolling_caption.h"

namespace krvm {

void RollingCaption::start(std::u32string caption) {
    saved_ = caption;
    rolling_ = std::move(caption);
    counter_ = 0;
}

const std::u32string& RollingCaption::tick() {
    ++counter_;
    if (counter_ > kWrapAfter) counter_ = 2;
    if (rolling_.empty()) return rolling_;
    const char32_t first = rolling_.front();
    rolling_.erase(0, 1);
    if (counter_ == 1) rolling_ += U"    ";
    rolling_ += first;
    return rolling_;
}

}  // namespace krvm
