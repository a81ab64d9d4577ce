#include "platform/keys/virtual_key.h"

#include <gtest/gtest.h>
#include <QKeyEvent>

namespace krvm {
namespace {

// A key event as the X11 or Wayland platform delivers it: the layout's key and the key code.
QKeyEvent nativeKey(Qt::Key key, quint32 x11Keycode,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return QKeyEvent(QEvent::KeyPress, key, modifiers, x11Keycode, 0, 0);
}

TEST(VirtualKey, GoesByPositionNotByLayout) {
    // On AZERTY the key at the A position types Q; it is still the A position.
    EXPECT_EQ(virtualKeyOf(nativeKey(Qt::Key_Q, 38), KeySides::merged), 0x41);
    EXPECT_EQ(virtualKeyOf(nativeKey(Qt::Key_A, 38), KeySides::merged), 0x41);
    // On QWERTZ the key at the Y position types Z.
    EXPECT_EQ(virtualKeyOf(nativeKey(Qt::Key_Z, 29), KeySides::merged), 0x59);
}

TEST(VirtualKey, ShiftSidesMergeOrStayApart) {
    QKeyEvent left = nativeKey(Qt::Key_Shift, 50, Qt::ShiftModifier);
    QKeyEvent right = nativeKey(Qt::Key_Shift, 62, Qt::ShiftModifier);
    EXPECT_EQ(virtualKeyOf(left, KeySides::merged), 0x10);
    EXPECT_EQ(virtualKeyOf(right, KeySides::merged), 0x10);
    EXPECT_EQ(virtualKeyOf(left, KeySides::kept), 0xA0);
    EXPECT_EQ(virtualKeyOf(right, KeySides::kept), 0xA1);
}

TEST(VirtualKey, KeypadKeysKeepTheirCodesWhateverNumLock) {
    // Keypad 7 without Num Lock is Home to Qt; its position is still keypad 7.
    EXPECT_EQ(virtualKeyOf(nativeKey(Qt::Key_Home, 79, Qt::KeypadModifier), KeySides::merged),
              0x67);
}

struct Synthesised {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    KeySides sides;
    std::uint8_t vk;
};

class SynthesisedKeys : public testing::TestWithParam<Synthesised> {};

TEST_P(SynthesisedKeys, FallBackToTheQtKey) {
    QKeyEvent event(QEvent::KeyPress, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(virtualKeyOf(event, GetParam().sides), GetParam().vk);
}

INSTANTIATE_TEST_SUITE_P(
    VirtualKey, SynthesisedKeys,
    testing::Values(Synthesised{Qt::Key_A, Qt::NoModifier, KeySides::merged, 0x41},
                    Synthesised{Qt::Key_7, Qt::NoModifier, KeySides::merged, 0x37},
                    Synthesised{Qt::Key_7, Qt::KeypadModifier, KeySides::merged, 0x67},
                    Synthesised{Qt::Key_Slash, Qt::KeypadModifier, KeySides::merged, 0x6F},
                    Synthesised{Qt::Key_F13, Qt::NoModifier, KeySides::merged, 0x7C},
                    Synthesised{Qt::Key_Shift, Qt::ShiftModifier, KeySides::merged, 0x10},
                    Synthesised{Qt::Key_Shift, Qt::ShiftModifier, KeySides::kept, 0xA0},
                    Synthesised{Qt::Key_Left, Qt::NoModifier, KeySides::merged, 0x25},
                    Synthesised{Qt::Key_Meta, Qt::MetaModifier, KeySides::merged, 0x5B},
                    Synthesised{Qt::Key_Eacute, Qt::NoModifier, KeySides::merged, 0xFF}));

}  // namespace
}  // namespace krvm
