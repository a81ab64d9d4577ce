// Reads a HID report descriptor far enough to know how long the interface's feature reports are.
#pragma once

#include <cstdint>
#include <span>

namespace krvm {

// The longest feature report of the descriptor in bytes plus one byte for the report id (the
// report id byte counts even when the descriptor declares no report ids), or 0 when the
// interface has no feature reports. Malformed descriptors are read up to their first bad item.
int feature_report_length(std::span<const std::uint8_t> descriptor);

}  // namespace krvm
