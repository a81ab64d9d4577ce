// The watch for plugging and unplugging: every tick counts the HID interfaces; more of them means
// the mouse may have arrived, fewer that it may have gone.
#pragma once

#include <string>
#include <vector>

#include "core/app/discovery.h"
#include "core/device/mouse_link.h"

namespace krvm {

// What the watch asks of the window.
class WatchHost {
  public:
    virtual ~WatchHost() = default;
    // Waits `milliseconds` while the window keeps handling its events.
    virtual void wait_with_events(int milliseconds) = 0;
    // The mouse is gone or could not be opened: no-device state and message. The paths are
    // interfaces of the mouse that exist but that the user may not open.
    virtual void device_lost(const std::vector<std::string>& permission_denied) = 0;
    // A mouse was opened: identify it and read its image.
    virtual void ReadDevInfo() = 0;
    // True once the window is closing: nothing more may be opened or sent.
    virtual bool closing() const = 0;
};

class ConnectionWatch {
  public:
    static constexpr int kIntervalMs = 3500;
    static constexpr int kCountPairs = 5;
    static constexpr int kRequiredAgreement = 2;
    // The wait before opening a new interface, in steps that let the window breathe.
    static constexpr int kSettleSteps = 21;
    static constexpr int kSettleStepMs = 100;

    ConnectionWatch(HidBus& bus, MouseLink& mouse, WatchHost& host, Sleeper& sleeper)
        : bus_(bus), mouse_(mouse), host_(host), sleeper_(sleeper) {}

    // One tick of `DevTimer`. A tick that arrives while another runs (its waits and messages
    // process events) returns at once.
    void DevTimerTimer();

    int last_count() const { return last_count_; }

  private:
    bool mouse_still_there();
    void interface_went_away();
    void interface_arrived();

    HidBus& bus_;
    MouseLink& mouse_;
    WatchHost& host_;
    Sleeper& sleeper_;
    int last_count_ = 0;
    bool running_ = false;
};

}  // namespace krvm
