// Feature reports over an open hidraw node (HIDIOCSFEATURE / HIDIOCGFEATURE).
#pragma once

#include "core/device/hid_transport.h"

namespace krvm {

class HidrawTransport final : public HidTransport {
  public:
    explicit HidrawTransport(int fd) : fd_(fd) {}
    ~HidrawTransport() override;
    HidrawTransport(const HidrawTransport&) = delete;
    HidrawTransport& operator=(const HidrawTransport&) = delete;

    bool send_feature(const FeatureReport& report) override;
    bool get_feature(FeatureReport& report) override;
    bool present() const override { return !gone_; }

  private:
    void note_failure();

    int fd_;
    bool gone_ = false;
};

}  // namespace krvm
