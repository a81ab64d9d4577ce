// The virtual-key code of a Qt key event, for every key capture of the window (the key-entry
// dialogs, macro recording). It goes by the key's position, so the active keyboard layout does
// not change what is stored.
#pragma once

#include "core/buttons/linux_keys.h"

#include <cstdint>

class QKeyEvent;

namespace krvm {

// On X11 and Wayland the event's native scan code is the X11 key code, which gives the
// position. Events without one (synthesised events, the offscreen platform) fall back to the
// Qt key, which follows the layout.
std::uint8_t virtualKeyOf(const QKeyEvent& event, KeySides sides);

}  // namespace krvm
