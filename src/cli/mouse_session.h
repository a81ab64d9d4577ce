// Opens the mouse the command line asks for and gives the commands a channel to it.
#pragma once

#include <memory>

#include "core/app/device_options.h"
#include "core/device/mouse_link.h"

namespace krvm::cli {

class MouseSession {
public:
    // Opens the simulated mouse (with --simulate) and wires up its transcript.
    static Result<std::unique_ptr<MouseSession>> open(const DeviceOptions& options);

    bool connected() { return link_.connection().valid(); }
    CommandChannel& channel() { return link_.channel(); }

private:
    MouseSession() = default;

    MouseLink link_;
};

}  // namespace krvm::cli
