#include "core/app/connection_watch.h"

#include <algorithm>

namespace krvm {

namespace {

class Guard {
  public:
    explicit Guard(bool& flag) : flag_(flag) { flag_ = true; }
    ~Guard() { flag_ = false; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

  private:
    bool& flag_;
};

}  // namespace

void ConnectionWatch::DevTimerTimer() {
    if (running_) return;
    Guard guard(running_);

    // Counts taken while a device is still settling can disagree; act only on a steady count.
    int agreement = 0;
    int sample = 0;
    for (int pair = 0; pair < kCountPairs; ++pair) {
        int first = count_hid_interfaces(bus_);
        int second = count_hid_interfaces(bus_);
        agreement += first == second;
        sample = first;
    }
    if (sample == last_count_ || agreement < kRequiredAgreement) return;

    if (sample < last_count_) {
        interface_went_away();
    } else {
        interface_arrived();
    }
    last_count_ = sample;
}

// Whether the connected mouse's own interface is still enumerated and still answers.
bool ConnectionWatch::mouse_still_there() {
    Connection& connection = mouse_.connection();
    if (!connection.valid() || !connection.handle->present()) return false;
    auto interfaces = bus_.enumerate();
    return std::any_of(interfaces.begin(), interfaces.end(),
                       [&](const HidInterfaceInfo& info) { return info.path == connection.path; });
}

// Another device leaving must not strand a connected mouse: only the mouse's own departure
// drops the connection. With no mouse connected, the no-device state is shown again.
void ConnectionWatch::interface_went_away() {
    Connection& connection = mouse_.connection();
    if (connection.valid() && mouse_still_there()) return;
    connection.invalidate();
    connection.vendor_id = 0;
    connection.product_id = 0;
    host_.device_lost({});
}

// A connected mouse that is still there is left alone, so that another device arriving does not
// throw away the user's unapplied edits by reading the mouse again.
void ConnectionWatch::interface_arrived() {
    if (mouse_.connection().valid() && mouse_still_there()) return;
    for (const DeviceIdentity& identity : kAcceptedIdentifierTable) {
        if (identity.vendor_id == 0 || identity.product_id == 0) continue;
        for (int step = 0; step < kSettleSteps; ++step) host_.wait_with_events(kSettleStepMs);
        if (host_.closing()) return;
        OpenOutcome outcome =
            open_device(bus_, mouse_.connection(), identity, kRequiredVersion, sleeper_);
        if (outcome.opened) {
            host_.ReadDevInfo();
            return;
        }
        host_.device_lost(outcome.permission_denied);
    }
}

}  // namespace krvm
