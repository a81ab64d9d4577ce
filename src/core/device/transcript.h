// A transcript of every report exchanged with a mouse, one line per report in order:
// "SET" or "GET", a space, and the 8 bytes as upper-case hex separated by single spaces.
// The simulated mouse's log and the trace of a real mouse share this format.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/common/result.h"
#include "core/device/hid_bus.h"
#include "core/device/hid_transport.h"

namespace krvm {

class Transcript {
  public:
    static Result<std::shared_ptr<Transcript>> open(const std::filesystem::path& path);

    void record(const char* direction, const FeatureReport& report);

    explicit Transcript(std::ofstream stream) : stream_(std::move(stream)) {}

  private:
    std::ofstream stream_;
};

// One transcript line for a report, without the line end.
std::string transcript_line(const char* direction, const FeatureReport& report);

// Passes reports through to `inner` and records each one that went through.
class TranscriptTransport final : public HidTransport {
  public:
    TranscriptTransport(std::unique_ptr<HidTransport> inner, std::shared_ptr<Transcript> transcript)
        : inner_(std::move(inner)), transcript_(std::move(transcript)) {}

    bool send_feature(const FeatureReport& report) override;
    bool get_feature(FeatureReport& report) override;
    bool present() const override { return inner_->present(); }

  private:
    std::unique_ptr<HidTransport> inner_;
    std::shared_ptr<Transcript> transcript_;
};

// Records the reports of every interface opened through `inner` (the trace of a real mouse).
class TranscriptBus final : public HidBus {
  public:
    TranscriptBus(std::unique_ptr<HidBus> inner, std::shared_ptr<Transcript> transcript)
        : inner_(std::move(inner)), transcript_(std::move(transcript)) {}

    std::vector<HidInterfaceInfo> enumerate() override { return inner_->enumerate(); }
    std::unique_ptr<HidTransport> open(const HidInterfaceInfo& interface,
                                       OpenError& error) override;

  private:
    std::unique_ptr<HidBus> inner_;
    std::shared_ptr<Transcript> transcript_;
};

}  // namespace krvm
