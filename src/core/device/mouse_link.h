// The tool's one connection to the mouse and the channel that talks over it. Both programs hold
// exactly one, so there is one place where the handle is valid or not.
#pragma once

#include <memory>

#include "core/device/command_channel.h"
#include "core/device/connection.h"
#include "core/device/sleeper.h"

namespace krvm {

class MouseLink {
  public:
    explicit MouseLink(std::unique_ptr<Sleeper> sleeper = std::make_unique<ThreadSleeper>())
        : sleeper_(std::move(sleeper)) {}

    Connection& connection() { return connection_; }
    CommandChannel& channel() { return channel_; }
    Sleeper& sleeper() { return *sleeper_; }

  private:
    std::unique_ptr<Sleeper> sleeper_;
    Connection connection_;
    CommandChannel channel_{connection_, *sleeper_};
};

}  // namespace krvm
