#include "core/device/command_channel.h"

#include <algorithm>
#include <stdexcept>

namespace krvm {

using namespace protocol;

namespace {

// Waits of the exchange kinds, in milliseconds, and their retry limits.
constexpr int kAttempts = 5;
constexpr int kPolls = 5;
constexpr int kExchangeWaitMs = 10;  // after the send and after each empty poll
constexpr int kPieceReadWaitMs = 5;  // after the send and after each empty poll
constexpr int kPieceWriteSendWaitMs = 10;
constexpr int kPieceWritePollWaitMs = 5;
constexpr int kMaskAttempts = 10;
constexpr int kMaskPolls = 10;
constexpr int kMaskWaitMs = 5;  // before the send and before each poll

FeatureReport request(std::uint8_t command, int p1 = 0, int p2 = 0, int p3 = 0, int p4 = 0) {
    return {kReportId,
            command,
            static_cast<std::uint8_t>(p1 & 0xFF),
            static_cast<std::uint8_t>(p2 & 0xFF),
            static_cast<std::uint8_t>(p3 & 0xFF),
            static_cast<std::uint8_t>(p4 & 0xFF),
            0,
            0};
}

void check_block(int address, int length, std::size_t buffer_size) {
    if (address < 0 || address >= kEepromSize || length < 1 || length > kEepromSize ||
        buffer_size < static_cast<std::size_t>(length)) {
        throw std::invalid_argument("EEPROM block outside the image or larger than its buffer");
    }
}

}  // namespace

// Holds the channel for one public operation; a second holder is turned away.
class CommandChannel::Lease {
  public:
    explicit Lease(std::atomic<bool>& in_use) : in_use_(in_use) {
        bool expected = false;
        held_ = in_use_.compare_exchange_strong(expected, true);
    }
    ~Lease() {
        if (held_) in_use_.store(false);
    }
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    explicit operator bool() const { return held_; }

  private:
    std::atomic<bool>& in_use_;
    bool held_ = false;
};

CommandChannel::CommandChannel(Connection& connection, Sleeper& sleeper, ChannelHooks hooks)
    : connection_(connection), sleeper_(sleeper), hooks_(std::move(hooks)) {}

// The handle may be invalidated or the mouse unplugged while a transfer processes events, so
// this is asked again before every attempt: a mouse that is gone costs no further waits.
bool CommandChannel::usable() const {
    return connection_.valid() && connection_.handle->present();
}

bool CommandChannel::send(const FeatureReport& report) {
    return usable() && connection_.handle->send_feature(report);
}

// A failed read leaves the report as it was, so it counts as "no answer yet".
void CommandChannel::poll(FeatureReport& report) {
    if (usable()) connection_.handle->get_feature(report);
}

void CommandChannel::call(const std::function<void()>& hook) const {
    if (hook) hook();
}

bool CommandChannel::exchange(std::uint8_t command, int p1, int p2, int p3, int p4) {
    Lease lease(in_use_);
    return lease && exchange_locked(command, p1, p2, p3, p4);
}

bool CommandChannel::exchange_locked(std::uint8_t command, int p1, int p2, int p3, int p4) {
    for (int attempt = 0; attempt < kAttempts && usable(); ++attempt) {
        report_ = request(command, p1, p2, p3, p4);
        send(report_);
        sleeper_.sleep_ms(kExchangeWaitMs);
        for (int polls = 0; polls < kPolls; ++polls) {
            poll(report_);
            if (report_[kStatusByte] != kNoAnswerYet) break;
            sleeper_.sleep_ms(kExchangeWaitMs);
        }
        // Any other non-zero status is a refusal and is asked again like silence.
        if (report_[kStatusByte] == kAcknowledged) return true;
    }
    return false;
}

ConfigModeEntry CommandChannel::enter_config_mode() {
    Lease lease(in_use_);
    if (!lease || !exchange_locked(BeginCmd, 0, 0, 0, 0)) return ConfigModeEntry::unanswered;
    status_ = {};
    if (!exchange_locked(StatusCmd, 0, 0, 0, 0)) return ConfigModeEntry::unanswered;
    status_.access_allowed = (report_[kFlagsByte] & kAccessAllowedFlag) != 0;
    status_.controller_type = controller_type_of(report_[kTypeCodeByte]);
    if (report_[kSignatureByte] != kSignature) return ConfigModeEntry::unanswered;
    bool served = status_.access_allowed && status_.controller_type == kServedControllerType;
    return served ? ConfigModeEntry::served : ConfigModeEntry::not_served;
}

void CommandChannel::leave_config_mode() {
    Lease lease(in_use_);
    if (!lease) return;
    exchange_locked(SystemReloadCmd, 0, 0, 0, 0);
    exchange_locked(EndCmd, 0, 0, 0, 0);
}

void CommandChannel::read_piece() {
    piece_.fill(0xFF);
    for (int attempt = 0; attempt < kAttempts && usable(); ++attempt) {
        report_ = request(ReadPieceCmd);
        send(report_);
        sleeper_.sleep_ms(kPieceReadWaitMs);
        for (int polls = 0; polls < kPolls; ++polls) {
            poll(report_);
            if (report_[kStatusByte] != kNoAnswerYet) break;
            sleeper_.sleep_ms(kPieceReadWaitMs);
        }
        if (report_[kStatusByte] == kAcknowledged) {
            std::copy(report_.begin() + 1, report_.end(), piece_.begin());
            call(hooks_.process_events);
            return;
        }
    }
}

void CommandChannel::write_piece() {
    for (int attempt = 0; attempt < kAttempts && usable(); ++attempt) {
        report_ = {kReportId, WritePieceCmd, piece_[0], piece_[1],
                   piece_[2], piece_[3],     piece_[4], piece_[5]};
        send(report_);
        sleeper_.sleep_ms(kPieceWriteSendWaitMs);
        for (int polls = 0; polls < kPolls; ++polls) {
            poll(report_);
            if (report_[kStatusByte] != kNoAnswerYet) break;
            sleeper_.sleep_ms(kPieceWritePollWaitMs);
        }
        if (report_[kStatusByte] == kAcknowledged) return;
    }
}

bool CommandChannel::read_block(int address, int length, std::span<std::uint8_t> destination,
                                bool show_progress) {
    check_block(address, length, destination.size());
    Lease lease(in_use_);
    if (!lease) return false;
    std::fill_n(destination.begin(), length, 0xFF);
    if (!exchange_locked(ReadSetupCmd, address % 256, address / 256, length % 256, length / 256)) {
        return false;
    }
    for (int offset = 0; offset < length && usable(); offset += kPieceSize) {
        if (show_progress) call(hooks_.show_progress);
        read_piece();
        int count = std::min(kPieceSize, length - offset);
        std::copy_n(piece_.begin(), count, destination.begin() + offset);
        call(hooks_.process_events);
    }
    return true;
}

bool CommandChannel::write_block(int address, int length, std::span<const std::uint8_t> source) {
    check_block(address, length, source.size());
    Lease lease(in_use_);
    if (!lease) return false;
    piece_.fill(0xFF);
    if (!exchange_locked(WriteSetupCmd, address % 256, address / 256, length % 256, length / 256)) {
        return false;
    }
    for (int offset = 0; offset < length && usable(); offset += kPieceSize) {
        call(hooks_.show_progress);
        // A short last piece keeps, after its own bytes, whatever the previous piece left.
        int count = std::min(kPieceSize, length - offset);
        std::copy_n(source.begin() + offset, count, piece_.begin());
        call(hooks_.process_events);
        write_piece();
    }
    return true;
}

std::uint16_t CommandChannel::read_button_mask() {
    Lease lease(in_use_);
    if (!lease) return 0;
    for (int attempt = 0; attempt < kMaskAttempts && usable(); ++attempt) {
        sleeper_.sleep_ms(kMaskWaitMs);
        report_ = request(StatusCmd);
        send(report_);
        for (int polls = 0; polls < kMaskPolls; ++polls) {
            sleeper_.sleep_ms(kMaskWaitMs);
            poll(report_);
            if (report_[kStatusByte] != kNoAnswerYet) break;
        }
        if (report_[kStatusByte] == kAcknowledged) {
            return static_cast<std::uint16_t>(report_[kButtonMaskLowByte] |
                                              report_[kButtonMaskHighByte] << 8);
        }
    }
    return 0;
}

}  // namespace krvm
