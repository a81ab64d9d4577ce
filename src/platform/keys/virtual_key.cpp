// Qt key events to virtual-key codes: the native scan code through the core's position table,
// or, without one, the Qt key through a short table of its own.
#include "platform/keys/virtual_key.h"

#include <QKeyEvent>

namespace krvm {
namespace {

std::uint8_t sided(KeySides sides, std::uint8_t merged, std::uint8_t left) {
    return sides == KeySides::merged ? merged : left;
}

std::uint8_t keypadKeyOf(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::uint8_t>(0x60 + key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return 0x6A;
        case Qt::Key_Plus:
            return 0x6B;
        case Qt::Key_Comma:
            return 0x6C;
        case Qt::Key_Minus:
            return 0x6D;
        case Qt::Key_Period:
            return 0x6E;
        case Qt::Key_Slash:
            return 0x6F;
        case Qt::Key_Enter:
            return 0x0D;
        default:
            return kNoVirtualKey;
    }
}

std::uint8_t qtKeyOf(int key, KeySides sides) {
    // Letters, digits and F keys carry the virtual-key code's own numbering.
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::uint8_t>(key);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<std::uint8_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::uint8_t>(0x70 + key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Shift:
            return sided(sides, 0x10, 0xA0);
        case Qt::Key_Control:
            return sided(sides, 0x11, 0xA2);
        case Qt::Key_Alt:
            return sided(sides, 0x12, 0xA4);
        case Qt::Key_Meta:
            return 0x5B;
        case Qt::Key_Menu:
            return 0x5D;
        case Qt::Key_Backspace:
            return 0x08;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 0x09;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 0x0D;
        case Qt::Key_Pause:
            return 0x13;
        case Qt::Key_CapsLock:
            return 0x14;
        case Qt::Key_Escape:
            return 0x1B;
        case Qt::Key_Space:
            return 0x20;
        case Qt::Key_PageUp:
            return 0x21;
        case Qt::Key_PageDown:
            return 0x22;
        case Qt::Key_End:
            return 0x23;
        case Qt::Key_Home:
            return 0x24;
        case Qt::Key_Left:
            return 0x25;
        case Qt::Key_Up:
            return 0x26;
        case Qt::Key_Right:
            return 0x27;
        case Qt::Key_Down:
            return 0x28;
        case Qt::Key_Print:
            return 0x2C;
        case Qt::Key_Insert:
            return 0x2D;
        case Qt::Key_Delete:
            return 0x2E;
        case Qt::Key_NumLock:
            return 0x90;
        case Qt::Key_ScrollLock:
            return 0x91;
        default:
            return kNoVirtualKey;
    }
}

}  // namespace

std::uint8_t virtualKeyOf(const QKeyEvent& event, KeySides sides) {
    if (event.nativeScanCode() != 0) return vk_of_x11_keycode(event.nativeScanCode(), sides);
    if (event.modifiers() & Qt::KeypadModifier) return keypadKeyOf(event.key());
    return qtKeyOf(event.key(), sides);
}

}  // namespace krvm
