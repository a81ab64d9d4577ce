// Test helpers: a transport that keeps every report passed through it, and a sleeper that
// counts instead of sleeping.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/device/hid_transport.h"
#include "core/device/sleeper.h"

namespace krvm::testing {

struct LoggedReport {
    bool sent;  // SET when true, GET when false
    FeatureReport bytes;
};

class RecordingTransport final : public HidTransport {
  public:
    RecordingTransport(HidTransport& inner, std::vector<LoggedReport>& log)
        : inner_(inner), log_(log) {}

    bool send_feature(const FeatureReport& report) override {
        bool sent = inner_.send_feature(report);
        if (sent) log_.push_back({true, report});
        return sent;
    }
    bool get_feature(FeatureReport& report) override {
        bool got = inner_.get_feature(report);
        if (got) log_.push_back({false, report});
        return got;
    }
    bool present() const override { return inner_.present(); }

  private:
    HidTransport& inner_;
    std::vector<LoggedReport>& log_;
};

class CountingSleeper final : public Sleeper {
  public:
    void sleep_ms(int milliseconds) override {
        ++sleeps;
        total_ms += milliseconds;
    }
    int sleeps = 0;
    long total_ms = 0;
};

inline int count_sent(const std::vector<LoggedReport>& log, std::uint8_t command) {
    int count = 0;
    for (const auto& report : log) count += report.sent && report.bytes[1] == command;
    return count;
}

inline int count_read(const std::vector<LoggedReport>& log) {
    int count = 0;
    for (const auto& report : log) count += !report.sent;
    return count;
}

}  // namespace krvm::testing
