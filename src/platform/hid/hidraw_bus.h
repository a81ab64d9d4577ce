// The computer's HID interfaces through Linux hidraw: /sys/class/hidraw tells what each node is,
// /dev/hidrawN carries the feature reports.
#pragma once

#include <filesystem>
#include <functional>

#include "core/device/hid_bus.h"

namespace krvm {

// Where hidraw lives; tests point these at a fake tree.
struct HidrawPaths {
    std::filesystem::path sysfs_class = "/sys/class/hidraw";
    std::filesystem::path dev = "/dev";
};

// open(2) or a stand-in: returns a file descriptor, or -1 with errno set.
using NodeOpener = std::function<int(const char* path, int flags)>;

class HidrawBus final : public HidBus {
  public:
    explicit HidrawBus(HidrawPaths paths = {}, NodeOpener opener = {});

    // Every hidraw node that can be opened without asking for access (like a query-only open),
    // in node-number order, with the identity and report length read from sysfs.
    std::vector<HidInterfaceInfo> enumerate() override;

    // Opens the node for reading and writing; permission problems are told apart.
    std::unique_ptr<HidTransport> open(const HidInterfaceInfo& interface,
                                       OpenError& error) override;

  private:
    HidrawPaths paths_;
    NodeOpener opener_;
};

}  // namespace krvm
