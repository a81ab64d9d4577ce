// The request/acknowledge exchange with the mouse over its 8-byte feature report, and the
// operations built from it: configuration mode, EEPROM blocks in 6-byte pieces, the button mask.
// The channel never shows anything; callers decide what a failure means to the user.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>

#include "core/device/connection.h"
#include "core/device/sleeper.h"

namespace krvm {

// What the GUI does between pieces of a long transfer.
struct ChannelHooks {
    // Centre and show the loading window over the main window, then process pending events.
    std::function<void()> show_progress;
    // Process pending window events so that the window stays responsive.
    std::function<void()> process_events;
};

// How far `enter_config_mode` got.
enum class ConfigModeEntry {
    unanswered,  // BeginCmd or StatusCmd unacknowledged, or a wrong signature: send nothing more
    not_served,  // the mouse answered but is not a type 152 controller with access allowed
    served,      // EEPROM blocks may be read and written
};

// What the last status reply said.
struct ControllerStatus {
    bool access_allowed = false;
    int controller_type = 0;
};

class CommandChannel {
  public:
    CommandChannel(Connection& connection, Sleeper& sleeper, ChannelHooks hooks = {});

    void set_hooks(ChannelHooks hooks) { hooks_ = std::move(hooks); }

    // Sends `command` with parameters p1..p4 (each taken modulo 256) and waits for the
    // acknowledgement: at most 5 attempts of at most 5 polls.
    bool exchange(std::uint8_t command, int p1 = 0, int p2 = 0, int p3 = 0, int p4 = 0);

    // BeginCmd, then StatusCmd. When the result is not `unanswered`, the caller must end with
    // `leave_config_mode`, whatever the result.
    ConfigModeEntry enter_config_mode();

    // SystemReloadCmd, then EndCmd; results ignored.
    void leave_config_mode();

    // Reads `length` bytes from EEPROM `address` into the front of `destination`. Bytes of
    // pieces that went unanswered stay 0xFF. False only when the announcement went unanswered.
    bool read_block(int address, int length, std::span<std::uint8_t> destination,
                    bool show_progress);

    // Writes `length` bytes of `source` to EEPROM `address`, with the loading window as progress.
    // False only when the announcement went unanswered; failed pieces are not reported.
    bool write_block(int address, int length, std::span<const std::uint8_t> source);

    // The pressed-button mask (bit k: button k + 1 held); 0 when the mouse did not answer.
    std::uint16_t read_button_mask();

    const ControllerStatus& status() const { return status_; }

  private:
    class Lease;

    bool usable() const;
    bool send(const FeatureReport& report);
    void poll(FeatureReport& report);
    bool exchange_locked(std::uint8_t command, int p1, int p2, int p3, int p4);
    void read_piece();
    void write_piece();
    void call(const std::function<void()>& hook) const;

    Connection& connection_;
    Sleeper& sleeper_;
    ChannelHooks hooks_;
    // One report and one piece buffer serve every exchange, so exchanges must never overlap:
    // each public operation holds this flag and a second caller (another thread, or a handler
    // run while a transfer processes events) fails at once without touching the device.
    std::atomic<bool> in_use_{false};
    FeatureReport report_{};
    std::array<std::uint8_t, 7> piece_{};  // bytes 1..7 of the last piece reply
    ControllerStatus status_;
};

}  // namespace krvm
