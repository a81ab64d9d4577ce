#include "core/app/discovery.h"

namespace krvm {

namespace {

constexpr int kPermissionAttempts = 5;
constexpr int kPermissionRetryMs = 200;

}  // namespace

int count_hid_interfaces(HidBus& bus) {
    return static_cast<int>(bus.enumerate().size());
}

bool matches(const HidInterfaceInfo& interface, DeviceIdentity identity, std::uint16_t version) {
    return interface.feature_report_length == kRequiredFeatureReportLength &&
           interface.vendor_id == identity.vendor_id &&
           interface.product_id == identity.product_id && interface.version == version;
}

std::optional<HidInterfaceInfo> chosen_interface(const std::vector<HidInterfaceInfo>& interfaces,
                                                 DeviceIdentity identity, std::uint16_t version) {
    std::optional<HidInterfaceInfo> chosen;
    for (const HidInterfaceInfo& interface : interfaces) {
        if (matches(interface, identity, version)) chosen = interface;
    }
    return chosen;
}

OpenOutcome open_device(HidBus& bus, Connection& connection, DeviceIdentity identity,
                        std::uint16_t version, Sleeper& sleeper) {
    OpenOutcome outcome;
    for (const HidInterfaceInfo& interface : bus.enumerate()) {
        if (!matches(interface, identity, version)) continue;
        OpenError error;
        std::unique_ptr<HidTransport> handle = bus.open(interface, error);
        for (int attempt = 1; !handle && error.permission_denied && attempt < kPermissionAttempts;
             ++attempt) {
            sleeper.sleep_ms(kPermissionRetryMs);
            error = {};
            handle = bus.open(interface, error);
        }
        if (!handle) {
            if (error.permission_denied) outcome.permission_denied.push_back(interface.path);
            continue;
        }
        connection.handle = std::move(handle);
        connection.path = interface.path;
        connection.vendor_id = interface.vendor_id;
        connection.product_id = interface.product_id;
        connection.feature_report_length = interface.feature_report_length;
        outcome.opened = true;
        outcome.permission_denied.clear();
    }
    return outcome;
}

std::string permission_hint(const std::string& path) {
    return "Permission denied on " + path +
           ": install the udev rule packaging/udev/70-krvm640.rules (see README), then unplug "
           "and replug the mouse.";
}

}  // namespace krvm
