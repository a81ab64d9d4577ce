// Finding the mouse among the computer's HID interfaces: counting them for the watch, and
// opening the one that is the mouse.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/device/connection.h"
#include "core/device/hid_bus.h"
#include "core/device/sleeper.h"

namespace krvm {

// A vendor and product the tool accepts; an entry with either value 0 is empty and skipped.
struct DeviceIdentity {
    std::uint32_t vendor_id = 0;
    std::uint32_t product_id = 0;
};

// The mouse, tried first; the second entry is empty.
constexpr std::array<DeviceIdentity, 2> kAcceptedIdentifierTable{{{0x1BCF, 0x08A0}, {0, 0}}};
// Only this firmware release with 8-byte feature reports is the configuration interface; the
// mouse's other interfaces have other report lengths and are never chosen.
constexpr std::uint16_t kRequiredVersion = 0x0104;
constexpr int kRequiredFeatureReportLength = 8;

// The number of HID interfaces present.
int count_hid_interfaces(HidBus& bus);

// Whether `interface` is the configuration interface of a mouse with this identity.
bool matches(const HidInterfaceInfo& interface, DeviceIdentity identity, std::uint16_t version);

// The interface `open_device` would choose: the last match in enumeration order.
std::optional<HidInterfaceInfo> chosen_interface(const std::vector<HidInterfaceInfo>& interfaces,
                                                 DeviceIdentity identity, std::uint16_t version);

struct OpenOutcome {
    bool opened = false;
    // Matching interfaces that exist but that this user may not open (a missing udev rule).
    std::vector<std::string> permission_denied;
};

// Opens every matching interface and keeps the last one that opened in `connection`. A node the
// user may not open yet is tried a few times: the desktop grants access shortly after plugging.
OpenOutcome open_device(HidBus& bus, Connection& connection, DeviceIdentity identity,
                        std::uint16_t version, Sleeper& sleeper);

// The line that tells the user how to get access to a mouse node they may not open.
std::string permission_hint(const std::string& path);

}  // namespace krvm
