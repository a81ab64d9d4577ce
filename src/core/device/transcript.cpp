#include "core/device/transcript.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace krvm {

Result<std::shared_ptr<Transcript>> Transcript::open(const std::filesystem::path& path) {
    std::ofstream stream(path, std::ios::out | std::ios::trunc);
    if (!stream) return Error{path.string() + ": " + std::strerror(errno)};
    return std::make_shared<Transcript>(std::move(stream));
}

std::string transcript_line(const char* direction, const FeatureReport& report) {
    std::string line = direction;
    char hex[4];
    for (std::uint8_t byte : report) {
        std::snprintf(hex, sizeof hex, " %02X", byte);
        line += hex;
    }
    return line;
}

// Flushed line by line so that a trace survives a crash or an unplugged mouse.
void Transcript::record(const char* direction, const FeatureReport& report) {
    stream_ << transcript_line(direction, report) << '\n' << std::flush;
}

bool TranscriptTransport::send_feature(const FeatureReport& report) {
    bool sent = inner_->send_feature(report);
    if (sent) transcript_->record("SET", report);
    return sent;
}

bool TranscriptTransport::get_feature(FeatureReport& report) {
    bool got = inner_->get_feature(report);
    if (got) transcript_->record("GET", report);
    return got;
}

std::unique_ptr<HidTransport> TranscriptBus::open(const HidInterfaceInfo& interface,
                                                  OpenError& error) {
    std::unique_ptr<HidTransport> handle = inner_->open(interface, error);
    if (!handle) return nullptr;
    return std::make_unique<TranscriptTransport>(std::move(handle), transcript_);
}

}  // namespace krvm
