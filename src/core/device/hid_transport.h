// The one thing the command channel needs from a HID interface: send a feature report and read
// one back. Behind it sit Linux hidraw, the simulated mouse and the transcript recorder.
#pragma once

#include <array>
#include <cstdint>

#include "core/device/protocol.h"

namespace krvm {

using FeatureReport = std::array<std::uint8_t, protocol::kReportSize>;

class HidTransport {
  public:
    virtual ~HidTransport() = default;

    // Sends the report (byte 0 is the report id). False when the device did not take it.
    virtual bool send_feature(const FeatureReport& report) = 0;

    // Reads the feature report whose id is in byte 0 into `report`. On failure `report` is
    // left untouched.
    virtual bool get_feature(FeatureReport& report) = 0;

    // False once the device has gone away (unplugged): nothing it is asked will succeed again.
    virtual bool present() const = 0;
};

}  // namespace krvm
