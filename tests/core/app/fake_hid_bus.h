// A scripted set of HID interfaces for the watch and discovery tests: each enumeration takes the
// next list of the script (the last one stays), and the mouse's path opens the simulated mouse.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "core/device/hid_bus.h"
#include "core/device/simulated_mouse.h"

namespace krvm::testing {

inline HidInterfaceInfo mouse_interface(const std::string& path = "/dev/hidraw2") {
    return {path, 0x1BCF, 0x08A0, 0x0104, 8};
}

inline HidInterfaceInfo other_interface(const std::string& path) {
    return {path, 0x046D, 0xC31C, 0x0110, 0};
}

class FakeHidBus final : public HidBus {
  public:
    explicit FakeHidBus(std::shared_ptr<SimulatedMouse> mouse = std::make_shared<SimulatedMouse>())
        : mouse_(std::move(mouse)) {}

    // The lists that the next enumerations return, in order; the last one repeats.
    void script(std::deque<std::vector<HidInterfaceInfo>> lists) { lists_ = std::move(lists); }
    void set_present(std::vector<HidInterfaceInfo> list) { lists_ = {std::move(list)}; }

    std::vector<HidInterfaceInfo> enumerate() override {
        ++enumerations;
        if (lists_.empty()) return {};
        std::vector<HidInterfaceInfo> list = lists_.front();
        if (lists_.size() > 1) lists_.pop_front();
        return list;
    }

    std::unique_ptr<HidTransport> open(const HidInterfaceInfo& interface,
                                       OpenError& error) override {
        ++opens;
        if (denied.count(interface.path)) {
            error.permission_denied = true;
            error.message = interface.path + ": Permission denied";
            return nullptr;
        }
        return std::make_unique<Handle>(mouse_);
    }

    std::set<std::string> denied;
    int enumerations = 0;
    int opens = 0;

  private:
    class Handle final : public HidTransport {
      public:
        explicit Handle(std::shared_ptr<SimulatedMouse> mouse) : mouse_(std::move(mouse)) {}
        bool send_feature(const FeatureReport& r) override { return mouse_->send_feature(r); }
        bool get_feature(FeatureReport& r) override { return mouse_->get_feature(r); }
        bool present() const override { return mouse_->present(); }

      private:
        std::shared_ptr<SimulatedMouse> mouse_;
    };

    std::shared_ptr<SimulatedMouse> mouse_;
    std::deque<std::vector<HidInterfaceInfo>> lists_;
};

}  // namespace krvm::testing
