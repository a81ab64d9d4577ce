#include "platform/hid/hidraw_bus.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "core/device/report_descriptor.h"
#include "platform/hid/hidraw_transport.h"

namespace krvm {

namespace {

// "hidraw12" -> 12, so that hidraw10 sorts after hidraw9.
std::optional<int> node_number(const std::string& name) {
    constexpr std::string_view kPrefix = "hidraw";
    if (!name.starts_with(kPrefix)) return std::nullopt;
    int number = 0;
    auto [end, error] =
        std::from_chars(name.data() + kPrefix.size(), name.data() + name.size(), number);
    if (error != std::errc() || end != name.data() + name.size()) return std::nullopt;
    return number;
}

std::optional<std::uint32_t> hex_number(std::string_view text) {
    std::uint32_t value = 0;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string read_text(const std::filesystem::path& file) {
    std::ifstream stream(file);
    return std::string(std::istreambuf_iterator<char>(stream), {});
}

// The uevent of a HID device carries "HID_ID=BUS:VENDOR:PRODUCT" in hex.
bool read_hid_id(const std::filesystem::path& device, HidInterfaceInfo& info) {
    std::ifstream uevent(device / "uevent");
    std::string line;
    while (std::getline(uevent, line)) {
        if (!line.starts_with("HID_ID=")) continue;
        std::string_view id = std::string_view(line).substr(7);
        auto first = id.find(':');
        auto second = id.find(':', first + 1);
        if (first == std::string_view::npos || second == std::string_view::npos) return false;
        auto vendor = hex_number(id.substr(first + 1, second - first - 1));
        auto product = hex_number(id.substr(second + 1));
        if (!vendor || !product) return false;
        info.vendor_id = static_cast<std::uint16_t>(*vendor);
        info.product_id = static_cast<std::uint16_t>(*product);
        return true;
    }
    return false;
}

// For a USB mouse the HID device sits in a USB interface, which sits in the USB device whose
// bcdDevice is the version number the tool checks. Other buses have none: version 0.
std::uint16_t read_version(const std::filesystem::path& device) {
    std::error_code error;
    std::filesystem::path real = std::filesystem::canonical(device, error);
    if (error) return 0;
    auto bcd = hex_number(read_text(real.parent_path().parent_path() / "bcdDevice"));
    return bcd ? static_cast<std::uint16_t>(*bcd) : 0;
}

int read_feature_length(const std::filesystem::path& device) {
    std::ifstream file(device / "report_descriptor", std::ios::binary);
    std::vector<std::uint8_t> descriptor(std::istreambuf_iterator<char>(file), {});
    return feature_report_length(descriptor);
}

}  // namespace

HidrawBus::HidrawBus(HidrawPaths paths, NodeOpener opener)
    : paths_(std::move(paths)), opener_(std::move(opener)) {
    if (!opener_) opener_ = [](const char* path, int flags) { return ::open(path, flags); };
}

std::vector<HidInterfaceInfo> HidrawBus::enumerate() {
    std::vector<std::pair<int, HidInterfaceInfo>> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(paths_.sysfs_class, error)) {
        std::string name = entry.path().filename().string();
        auto number = node_number(name);
        if (!number) continue;
        HidInterfaceInfo info;
        info.path = (paths_.dev / name).string();
        std::filesystem::path device = entry.path() / "device";
        if (!read_hid_id(device, info)) continue;
        // A query-only open: it succeeds for any node that exists, whatever its permissions.
        int fd = opener_(info.path.c_str(), O_PATH | O_CLOEXEC);
        if (fd < 0) continue;
        ::close(fd);
        info.version = read_version(device);
        info.feature_report_length = read_feature_length(device);
        found.emplace_back(*number, std::move(info));
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<HidInterfaceInfo> interfaces;
    for (auto& [number, info] : found) interfaces.push_back(std::move(info));
    return interfaces;
}

std::unique_ptr<HidTransport> HidrawBus::open(const HidInterfaceInfo& interface, OpenError& error) {
    int fd = opener_(interface.path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        error.permission_denied = errno == EACCES || errno == EPERM;
        error.message = interface.path + ": " + std::strerror(errno);
        return nullptr;
    }
    return std::make_unique<HidrawTransport>(fd);
}

}  // namespace krvm
