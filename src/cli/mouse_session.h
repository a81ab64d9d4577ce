// Finds and opens the mouse the way the window does, for the commands that talk to it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/app/device_options.h"
#include "core/device/hid_bus.h"
#include "core/device/mouse_link.h"

namespace krvm::cli {

class MouseSession {
  public:
    // Builds the HID interfaces the options ask for (hidraw, the simulated mouse, transcripts).
    static Result<std::unique_ptr<MouseSession>> create(const DeviceOptions& options);

    HidBus& bus() { return *bus_; }
    MouseLink& link() { return link_; }

    // Opens the mouse. On failure, prints why (in `language`) and returns the exit code; 0 when
    // it opened.
    int open_mouse(int language);

  private:
    explicit MouseSession(std::unique_ptr<HidBus> bus) : bus_(std::move(bus)) {}

    std::unique_ptr<HidBus> bus_;
    MouseLink link_;
};

}  // namespace krvm::cli
