// The operations that move the image between the mouse and the pages: the image read, the apply
// with its verification, the preset and built-in restores, the no-device image and profile
// loading. Each runs the busy protocol through the CycleHost and keeps the mouse's command order:
// every write is bracketed by configuration mode and followed by the verification.
#pragma once

#include <filesystem>

#include "core/common/result.h"
#include "core/config/config_state.h"
#include "core/config/cycle_host.h"
#include "core/config/profile_file.h"
#include "core/device/command_channel.h"

namespace krvm {

// What the verification after a write found.
enum class Verification {
    skipped,    // the mouse did not answer or refused access: nothing was compared
    matched,    // the first 256 bytes read back as written
    rewritten,  // they differed once and matched after the rewrite
    failed,     // they still differed after the rewrite (Str109 was shown)
};

class ConfigCycle {
  public:
    ConfigCycle(CommandChannel& channel, CycleHost& host);

    ConfigState& state() { return state_; }
    const ConfigState& state() const { return state_; }

    // `Btn_Read`: the image read that follows an accepted identification (configuration mode
    // is open); ends configuration mode and shows the image.
    void Btn_Read();

    // `DataBufToUI`: hex view and controls from the section copies, then the pages redraw.
    void DataBufToUI();

    // `DownloadParameter`: collects the controls, assembles `DataBuf`, writes and verifies it.
    Verification DownloadParameter();

    // `RepeatedWriteEEPROM`: compares the first 256 bytes with `DataBuf`, rewrites them once.
    Verification RepeatedWriteEEPROM();

    // `DefaultParameter1` to `DefaultParameter3`: preset `preset` (1..3) shown and written.
    // Fails, doing nothing, only when the embedded image cannot be had.
    Result<Verification> DefaultParameter(int preset);

    // `TLDefaultParameter`: the built-in section defaults shown and written.
    Verification TLDefaultParameter();

    // The no-device image (part of `InitNoDevice`): preset 1 taken in with the checks and
    // shown, as an image read would; nothing is sent.
    Status load_no_device_image();

    // Load Profile after the dialog: the file's image shown and written (`MemoToDataBuf_OnClick`).
    // Str102 for a wrong file type, an error box for a file that cannot be read; in both cases
    // nothing changes.
    struct ProfileApply {
        ProfileLoad::Outcome outcome = ProfileLoad::Outcome::unreadable;
        std::string reason;  // for an unreadable file
        Verification verification = Verification::skipped;
    };
    ProfileApply load_profile_file(const std::filesystem::path& path);

    // Save Profile after the dialog and the re-read: `DataBuf` into the file; an error box when
    // it cannot be written.
    Status save_profile_file(const std::filesystem::path& path);

  private:
    void busy_begin();
    void busy_end();
    Verification write_image();
    Verification MemoToDataBuf_OnClick();

    CommandChannel& channel_;
    CycleHost& host_;
    ConfigState state_;
};

}  // namespace krvm
