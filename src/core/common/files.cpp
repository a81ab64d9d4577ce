#include "core/common/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace krvm {

namespace {

Error system_error(const std::filesystem::path& path, int error_number) {
    return Error{path.string() + ": " + std::strerror(error_number)};
}

// Writes all of `bytes` to `fd`, resuming after short writes and interruptions.
bool write_all(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

Result<std::vector<std::uint8_t>> read_file(const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return system_error(path, errno);
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    for (;;) {
        ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            int saved = errno;
            ::close(fd);
            return system_error(path, saved);
        }
        if (got == 0) break;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    ::close(fd);
    return bytes;
}

Status write_file_atomically(const std::filesystem::path& path,
                             std::span<const std::uint8_t> bytes) {
    std::string temporary = path.string() + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) return system_error(path, errno);
    // mkstemp creates the file for the owner only; a saved file should get the usual mode.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    bool written = write_all(fd, bytes) && ::fsync(fd) == 0;
    int saved = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        saved = errno;
    }
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        if (written) saved = errno;
        ::unlink(temporary.c_str());
        return system_error(path, saved);
    }
    return {};
}

}  // namespace krvm
