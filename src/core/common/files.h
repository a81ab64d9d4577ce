// Whole-file reading and atomic writing: a failed write never leaves a half-written file behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "core/common/result.h"

namespace krvm {

// Reads the whole file; the error names the path and the system's reason.
Result<std::vector<std::uint8_t>> read_file(const std::filesystem::path& path);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over `path`.
Status write_file_atomically(const std::filesystem::path& path,
                             std::span<const std::uint8_t> bytes);

}  // namespace krvm
