// The HID interfaces of the computer: what is plugged in, and opening one of them. Linux hidraw
// and the simulated mouse both appear through this interface.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/common/result.h"
#include "core/device/hid_transport.h"

namespace krvm {

struct HidInterfaceInfo {
    std::string path;  // how to open it, e.g. /dev/hidraw3
    std::uint16_t vendor_id = 0;
    std::uint16_t product_id = 0;
    std::uint16_t version = 0;  // the USB device's release number (bcdDevice)
    // The longest feature report in bytes, plus one byte for the report id.
    int feature_report_length = 0;
};

// Why an interface could not be opened.
struct OpenError {
    bool permission_denied = false;
    std::string message;
};

class HidBus {
  public:
    virtual ~HidBus() = default;

    // Every HID interface present, in a stable order.
    virtual std::vector<HidInterfaceInfo> enumerate() = 0;

    // Opens the interface for sending and reading feature reports.
    virtual std::unique_ptr<HidTransport> open(const HidInterfaceInfo& interface,
                                               OpenError& error) = 0;
};

}  // namespace krvm
