#include "platform/hid/hidraw_transport.h"

#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace krvm {

HidrawTransport::~HidrawTransport() {
    ::close(fd_);
}

// The kernel answers ENODEV once the mouse is unplugged; nothing will work on this node again.
void HidrawTransport::note_failure() {
    if (errno == ENODEV || errno == ESHUTDOWN) gone_ = true;
}

bool HidrawTransport::send_feature(const FeatureReport& report) {
    FeatureReport copy = report;
    if (::ioctl(fd_, HIDIOCSFEATURE(copy.size()), copy.data()) < 0) {
        note_failure();
        return false;
    }
    return true;
}

bool HidrawTransport::get_feature(FeatureReport& report) {
    FeatureReport reply{};
    reply[0] = report[0];  // the report id to read
    if (::ioctl(fd_, HIDIOCGFEATURE(reply.size()), reply.data()) < 0) {
        note_failure();
        return false;
    }
    report = reply;
    return true;
}

}  // namespace krvm
