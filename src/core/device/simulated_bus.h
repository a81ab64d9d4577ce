// The simulated mouse as one more HID interface beside the computer's real ones. It can be
// plugged and unplugged while the tool runs through a control file holding "plugged" or
// "unplugged", so that plugging it starts exactly the path a real mouse takes.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "core/device/hid_bus.h"
#include "core/device/simulated_mouse.h"
#include "core/device/transcript.h"

namespace krvm {

class SimulatedHidBus final : public HidBus {
  public:
    static constexpr const char* kPath = "simulated:krvm640";

    // `real` (may be null) lists the computer's own interfaces; `log` (may be null) records the
    // reports exchanged with the simulated mouse.
    SimulatedHidBus(std::shared_ptr<SimulatedMouse> mouse, std::unique_ptr<HidBus> real,
                    std::optional<std::filesystem::path> control_file,
                    std::shared_ptr<Transcript> log);

    std::vector<HidInterfaceInfo> enumerate() override;
    std::unique_ptr<HidTransport> open(const HidInterfaceInfo& interface,
                                       OpenError& error) override;

    // The interface the simulated mouse presents: the mouse's own identity, 8-byte reports.
    static HidInterfaceInfo interface_info();

  private:
    void follow_control_file();

    std::shared_ptr<SimulatedMouse> mouse_;
    std::unique_ptr<HidBus> real_;
    std::optional<std::filesystem::path> control_file_;
    std::shared_ptr<Transcript> log_;
};

}  // namespace krvm
