// The connection to the opened mouse: the handle the channel talks through, or none.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/device/hid_transport.h"

namespace krvm {

struct Connection {
    std::unique_ptr<HidTransport> handle;  // null is the invalid handle: no mouse
    std::string path;                      // the interface the handle was opened from
    std::uint32_t vendor_id = 0;
    std::uint32_t product_id = 0;
    int feature_report_length = 0;

    bool valid() const { return handle != nullptr; }

    // Closes the handle so that nothing more is sent; the identifiers stay as they were.
    void invalidate() { handle.reset(); }
};

}  // namespace krvm
