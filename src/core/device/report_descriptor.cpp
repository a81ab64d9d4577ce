#include "core/device/report_descriptor.h"

#include <algorithm>
#include <map>
#include <vector>

namespace krvm {

namespace {

// Item prefix fields (HID 1.11, section 6.2.2.2: short items).
constexpr std::uint8_t kLongItemPrefix = 0xFE;  // section 6.2.2.3
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
// Main item tags (section 6.2.2.4).
constexpr int kTagFeature = 0xB;
// Global item tags (section 6.2.2.7).
constexpr int kTagReportSize = 0x7;
constexpr int kTagReportId = 0x8;
constexpr int kTagReportCount = 0x9;
constexpr int kTagPush = 0xA;
constexpr int kTagPop = 0xB;

struct Globals {
    std::uint32_t report_size = 0;   // bits per field
    std::uint32_t report_id = 0;     // 0: the descriptor uses no report ids
    std::uint32_t report_count = 0;  // fields per item
};

std::uint32_t item_data(std::span<const std::uint8_t> bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) value |= std::uint32_t{bytes[i]} << (8 * i);
    return value;
}

}  // namespace

int feature_report_length(std::span<const std::uint8_t> descriptor) {
    Globals globals;
    std::vector<Globals> stack;
    std::map<std::uint32_t, std::uint64_t> feature_bits;  // per report id

    std::size_t at = 0;
    while (at < descriptor.size()) {
        std::uint8_t prefix = descriptor[at];
        if (prefix == kLongItemPrefix) {
            if (at + 1 >= descriptor.size()) break;
            at += 3 + descriptor[at + 1];  // prefix, size, tag, data: carries nothing we need
            continue;
        }
        std::size_t size = (prefix & 0x3) == 3 ? 4 : (prefix & 0x3);
        if (at + 1 + size > descriptor.size()) break;
        std::uint32_t data = item_data(descriptor.subspan(at + 1, size));
        int type = (prefix >> 2) & 0x3;
        int tag = prefix >> 4;
        at += 1 + size;

        if (type == kTypeGlobal) {
            switch (tag) {
                case kTagReportSize:
                    globals.report_size = data;
                    break;
                case kTagReportId:
                    globals.report_id = data;
                    break;
                case kTagReportCount:
                    globals.report_count = data;
                    break;
                case kTagPush:
                    stack.push_back(globals);
                    break;
                case kTagPop:
                    if (!stack.empty()) {
                        globals = stack.back();
                        stack.pop_back();
                    }
                    break;
                default:
                    break;
            }
        } else if (type == kTypeMain && tag == kTagFeature) {
            feature_bits[globals.report_id] +=
                std::uint64_t{globals.report_size} * globals.report_count;
        }
    }

    std::uint64_t longest_bits = 0;
    for (const auto& [id, bits] : feature_bits) longest_bits = std::max(longest_bits, bits);
    if (feature_bits.empty()) return 0;
    std::uint64_t bytes = (longest_bits + 7) / 8 + 1;
    return static_cast<int>(std::min<std::uint64_t>(bytes, 0xFFFF));
}

}  // namespace krvm
