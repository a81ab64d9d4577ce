// Profile files: the whole 2048-byte image on disk, byte for byte in EEPROM order, with no header
// of its own. Byte 0x07F must hold the file type 0x98 for a file to be loaded.
#pragma once

#include <filesystem>
#include <string>

#include "core/common/result.h"
#include "core/config/image_model.h"

namespace krvm {

// The file a save writes for the name chosen in the dialog: ".bin" appended to it, even when it
// already ends in ".bin".
std::filesystem::path profile_file_path(const std::filesystem::path& chosen);

// Writes the image atomically (a failed save leaves any earlier file as it was).
Status save_profile(const std::filesystem::path& path, const DataBuf& image);

struct ProfileLoad {
    enum class Outcome {
        loaded,
        unreadable,       // `reason` names the path and the system's reason
        wrong_file_type,  // byte 0x07F of the result is not 0x98
    };
    Outcome outcome = Outcome::unreadable;
    DataBuf image{};
    std::string reason;
};

// Reads a profile over a copy of `current`: a file shorter than 2048 bytes replaces only its
// leading bytes, a longer one gives its first 2048. The file type byte is judged on the result.
ProfileLoad load_profile(const std::filesystem::path& path, const DataBuf& current);

}  // namespace krvm
