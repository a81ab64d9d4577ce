#include "core/ui/rolling_caption.h"

#include <gtest/gtest.h>

namespace krvm {
namespace {

TEST(RollingCaption, AddsTheGapOnceThenKeepsRolling) {
    RollingCaption caption;
    caption.start(U"Apply");
    EXPECT_EQ(caption.tick(), U"pply    A");
    EXPECT_EQ(caption.tick(), U"ply    Ap");
    std::u32string shown;
    for (int tick = 3; tick <= 30; ++tick) shown = caption.tick();
    // Thirty ticks, past the counter's wrap at twenty: still nine characters, one gap.
    EXPECT_EQ(shown.size(), 9u);
    EXPECT_EQ(caption.saved(), U"Apply");
}

TEST(RollingCaption, RestartsFromTheNewCaption) {
    RollingCaption caption;
    caption.start(U"Read");
    caption.tick();
    caption.start(U"读取");
    EXPECT_EQ(caption.tick(), U"取    读");
    EXPECT_EQ(caption.saved(), U"读取");
}

TEST(RollingCaption, EmptyCaptionStaysEmpty) {
    RollingCaption caption;
    caption.start(U"");
    EXPECT_EQ(caption.tick(), U"");
}

}  // namespace
}  // namespace krvm
