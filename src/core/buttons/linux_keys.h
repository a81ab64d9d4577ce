// Keys as Linux reports them, turned into the Windows virtual-key codes the key tables speak.
// The mapping goes by key position (the evdev key code), not by the active keyboard layout:
// the mouse sends HID usages, which are positions too, and the computer's layout gives them
// their meaning. So the key at the A position is 0x41 on every layout, including AZERTY, where
// it is labelled Q. Keypad keys always give their keypad codes, whatever the Num Lock state.
#pragma once

#include <cstdint>

namespace krvm {

// Whether left and right Shift, Ctrl and Alt stay apart (0xA0 to 0xA5) or both give the
// side-less code (0x10 to 0x12), as the key-entry dialogs expect.
enum class KeySides { merged, kept };

// What a key without a virtual-key code gives, as on Windows; the key tables name it "255".
constexpr std::uint8_t kNoVirtualKey = 0xFF;

// Virtual-key code of an evdev key code (linux/input-event-codes.h).
std::uint8_t vk_of_evdev(std::uint32_t evdev_code, KeySides sides);

// Virtual-key code of an X11 (or Wayland xkb) key code: the evdev code plus 8.
std::uint8_t vk_of_x11_keycode(std::uint32_t keycode, KeySides sides);

}  // namespace krvm
