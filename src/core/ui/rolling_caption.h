// Caption rolling of the hovered skinned button: on every tick of the 200 ms timer the first
// character of the caption moves to its end, with a gap of four spaces added once, so the text
// runs through the button like a marquee. Works on code points so Chinese captions roll whole.
#pragma once

#include <string>

namespace krvm {

class RollingCaption {
  public:
    static constexpr int kIntervalMs = 200;  // `LabelRun`

    // Entering a button: its caption is saved and rolling starts from it.
    void start(std::u32string caption);
    // One tick (`LabelRunTimer`): the caption to show now.
    const std::u32string& tick();
    // Leaving the button: the caption to show again.
    const std::u32string& saved() const { return saved_; }

  private:
    static constexpr int kWrapAfter = 20;  // the counter restarts at 2, so the gap comes once
    std::u32string saved_;
    std::u32string rolling_;
    int counter_ = 0;
};

}  // namespace krvm
