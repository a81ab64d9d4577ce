#include "core/config/profile_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/common/files.h"

namespace krvm {

namespace {

// Reads at most `destination.size()` bytes from the start of the file: a profile is judged by
// its first 2048 bytes, so a huge (or endless) file costs no more than a right-sized one.
Result<std::size_t> read_front(const std::filesystem::path& path,
                               std::span<std::uint8_t> destination) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Error{path.string() + ": " + std::strerror(errno)};
    std::size_t total = 0;
    while (total < destination.size()) {
        ssize_t got = ::read(fd, destination.data() + total, destination.size() - total);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            int error_number = errno;
            ::close(fd);
            return Error{path.string() + ": " + std::strerror(error_number)};
        }
        if (got == 0) break;
        total += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return total;
}

}  // namespace

std::filesystem::path profile_file_path(const std::filesystem::path& chosen) {
    std::filesystem::path path = chosen;
    path += ".bin";
    return path;
}

Status save_profile(const std::filesystem::path& path, const DataBuf& image) {
    return write_file_atomically(path, image);
}

ProfileLoad load_profile(const std::filesystem::path& path, const DataBuf& current) {
    ProfileLoad load;
    load.image = current;
    auto got = read_front(path, load.image);
    if (!got) {
        load.image = current;
        load.reason = got.error().message;
        return load;
    }
    load.outcome = load.image[image::kFileTypeOffset] == image::kFileType
                       ? ProfileLoad::Outcome::loaded
                       : ProfileLoad::Outcome::wrong_file_type;
    return load;
}

}  // namespace krvm
