// The HID interfaces the command line asks for: the computer's hidraw nodes, with the simulated
// mouse beside them under --simulate, and transcripts where --sim-log or --trace ask for them.
#pragma once

#include <memory>

#include "core/app/device_options.h"
#include "core/device/hid_bus.h"

namespace krvm {

Result<std::unique_ptr<HidBus>> bus_for_options(const DeviceOptions& options);

}  // namespace krvm
