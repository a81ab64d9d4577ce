#include "core/device/simulated_bus.h"

#include <fstream>
#include <string>

namespace krvm {

namespace {

// A handle on the simulated mouse; the mouse itself outlives every handle.
class SimulatedMouseHandle final : public HidTransport {
  public:
    explicit SimulatedMouseHandle(std::shared_ptr<SimulatedMouse> mouse)
        : mouse_(std::move(mouse)) {}
    bool send_feature(const FeatureReport& report) override { return mouse_->send_feature(report); }
    bool get_feature(FeatureReport& report) override { return mouse_->get_feature(report); }
    bool present() const override { return mouse_->present(); }

  private:
    std::shared_ptr<SimulatedMouse> mouse_;
};

}  // namespace

SimulatedHidBus::SimulatedHidBus(std::shared_ptr<SimulatedMouse> mouse,
                                 std::unique_ptr<HidBus> real,
                                 std::optional<std::filesystem::path> control_file,
                                 std::shared_ptr<Transcript> log)
    : mouse_(std::move(mouse)),
      real_(std::move(real)),
      control_file_(std::move(control_file)),
      log_(std::move(log)) {}

HidInterfaceInfo SimulatedHidBus::interface_info() {
    return {kPath, 0x1BCF, 0x08A0, 0x0104, static_cast<int>(protocol::kReportSize)};
}

// A missing or unreadable control file, or one with other words, leaves the mouse as it is.
void SimulatedHidBus::follow_control_file() {
    if (!control_file_) return;
    std::ifstream file(*control_file_);
    std::string word;
    if (!(file >> word)) return;
    if (word == "plugged") mouse_->set_plugged(true);
    if (word == "unplugged") mouse_->set_plugged(false);
}

std::vector<HidInterfaceInfo> SimulatedHidBus::enumerate() {
    follow_control_file();
    std::vector<HidInterfaceInfo> interfaces;
    if (real_) interfaces = real_->enumerate();
    if (mouse_->present()) interfaces.push_back(interface_info());
    return interfaces;
}

std::unique_ptr<HidTransport> SimulatedHidBus::open(const HidInterfaceInfo& interface,
                                                    OpenError& error) {
    if (interface.path != kPath) {
        if (real_) return real_->open(interface, error);
        error.message = interface.path + ": no such interface";
        return nullptr;
    }
    if (!mouse_->present()) {
        error.message = interface.path + ": unplugged";
        return nullptr;
    }
    std::unique_ptr<HidTransport> handle = std::make_unique<SimulatedMouseHandle>(mouse_);
    if (log_) handle = std::make_unique<TranscriptTransport>(std::move(handle), log_);
    return handle;
}

}  // namespace krvm
