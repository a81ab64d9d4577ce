// Opens the mouse the command line asks for and gives the commands a channel to it.
#pragma once

#include <memory>

#include "core/app/device_options.h"
#include "core/device/command_channel.h"
#include "core/device/simulated_mouse.h"

namespace krvm::cli {

class MouseSession {
public:
    // Opens the simulated mouse (with --simulate) and wires up its transcript.
    static Result<std::unique_ptr<MouseSession>> open(const DeviceOptions& options);

    bool connected() const { return connection_.valid(); }
    CommandChannel& channel() { return channel_; }

private:
    MouseSession() = default;

    ThreadSleeper sleeper_;
    Connection connection_;
    CommandChannel channel_{connection_, sleeper_};
};

}  // namespace krvm::cli
