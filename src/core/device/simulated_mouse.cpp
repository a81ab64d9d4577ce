#include "core/device/simulated_mouse.h"

#include <algorithm>

#include "core/common/files.h"
#include "core/config/default_images.h"

namespace krvm {

using namespace protocol;

namespace {

// The status a refusing mouse answers with: non-zero, but not the acknowledgement.
constexpr std::uint8_t kRefusal = 0xEE;

}  // namespace

Eeprom simulated_start_image() {
    // A mouse as it leaves the factory: written with preset 1.
    auto preset = embedded_default_image(1);
    if (preset) return *preset;
    // Without the resource, a blank controller: an EEPROM never written reads all 0xFF.
    Eeprom blank;
    blank.fill(0xFF);
    return blank;
}

SimulatedMouse::SimulatedMouse(SimulationOptions options, Eeprom eeprom)
    : options_(options), eeprom_(eeprom) {}

Result<std::unique_ptr<SimulatedMouse>> SimulatedMouse::with_file(const std::filesystem::path& file,
                                                                  SimulationOptions options) {
    Eeprom eeprom = simulated_start_image();
    std::error_code ignored;
    if (std::filesystem::exists(file, ignored)) {
        auto bytes = read_file(file);
        if (!bytes) return bytes.error();
        if (bytes->size() != eeprom.size()) {
            return Error{file.string() + ": holds " + std::to_string(bytes->size()) +
                         " bytes; a simulated mouse's EEPROM file must hold exactly 2048"};
        }
        std::copy(bytes->begin(), bytes->end(), eeprom.begin());
    } else if (Status written = write_file_atomically(file, eeprom); !written) {
        return written.error();
    }
    auto mouse = std::make_unique<SimulatedMouse>(options, eeprom);
    mouse->file_ = file;
    return mouse;
}

bool SimulatedMouse::present() const {
    return plugged_ && (!options_.unplug_after || reports_ < *options_.unplug_after);
}

void SimulatedMouse::set_plugged(bool plugged) {
    if (plugged && !plugged_) {
        options_.unplug_after.reset();
        config_mode_ = false;
        block_ = Block::none;
    }
    plugged_ = plugged;
}

// Every report, sent or read, brings an `unplug-after` mouse closer to going away.
bool SimulatedMouse::count_report() {
    if (!present()) return false;
    ++reports_;
    return true;
}

bool SimulatedMouse::send_feature(const FeatureReport& report) {
    if (!count_report()) return false;
    if (report[0] != kReportId) return false;
    polls_before_answer_ = options_.latency;
    reply_ = report;
    reply_[kStatusByte] = kNoAnswerYet;
    switch (options_.answer) {
        case SimulationOptions::Answer::never:
            break;
        case SimulationOptions::Answer::refuse:
            reply_[kStatusByte] = kRefusal;
            break;
        case SimulationOptions::Answer::normal:
            run(report);
            break;
    }
    return true;
}

bool SimulatedMouse::get_feature(FeatureReport& report) {
    if (!count_report()) return false;
    if (report[0] != kReportId) return false;
    if (polls_before_answer_ > 0) {
        --polls_before_answer_;
        report = reply_;
        report[kStatusByte] = kNoAnswerYet;
        return true;
    }
    report = reply_;
    return true;
}

void SimulatedMouse::answer(std::uint8_t status) {
    reply_[kStatusByte] = status;
}

// Commands that need configuration mode stay unanswered outside it, like a mouse that ignores
// a request it cannot serve.
void SimulatedMouse::run(const FeatureReport& request) {
    bool transfers_allowed = config_mode_ && options_.access;
    switch (request[1]) {
        case BeginCmd:
            config_mode_ = true;
            block_ = Block::none;
            answer(kAcknowledged);
            break;
        case EndCmd:
            config_mode_ = false;
            block_ = Block::none;
            answer(kAcknowledged);
            break;
        case StatusCmd:
            reply_ = {kReportId,
                      options_.signature,
                      static_cast<std::uint8_t>(options_.access ? kAccessAllowedFlag : 0),
                      options_.type_code,
                      0,
                      static_cast<std::uint8_t>(options_.buttons & 0xFF),
                      static_cast<std::uint8_t>(options_.buttons >> 8),
                      kAcknowledged};
            break;
        case ReadSetupCmd:
            if (transfers_allowed) start_block(Block::read, request);
            break;
        case WriteSetupCmd:
            if (transfers_allowed) start_block(Block::write, request);
            break;
        case ReadPieceCmd:
            if (transfers_allowed && block_ == Block::read) read_piece();
            break;
        case WritePieceCmd:
            if (transfers_allowed && block_ == Block::write) write_piece(request);
            break;
        case SystemReloadCmd:
            answer(kAcknowledged);
            break;
        default:
            break;  // unknown commands go unanswered
    }
}

void SimulatedMouse::start_block(Block kind, const FeatureReport& request) {
    block_ = kind;
    block_address_ = request[2] | request[3] << 8;
    block_length_ = request[4] | request[5] << 8;
    block_position_ = 0;
    answer(kAcknowledged);
}

// Bytes past the announced block (the tail of a short last piece) read as 0xFF.
void SimulatedMouse::read_piece() {
    for (int i = 0; i < kPieceSize; ++i) {
        int position = block_position_ + i;
        int address = block_address_ + position;
        reply_[1 + i] = position < block_length_ && address < kEepromSize ? eeprom_[address] : 0xFF;
    }
    block_position_ += kPieceSize;
    answer(kAcknowledged);
}

// Only the bytes that belong to the block are stored; a short last piece's filler is not.
void SimulatedMouse::write_piece(const FeatureReport& request) {
    for (int i = 0; i < kPieceSize; ++i) {
        int position = block_position_ + i;
        int address = block_address_ + position;
        bool dropped = options_.drop_writes && address >= options_.drop_writes->first &&
                       address <= options_.drop_writes->last;
        if (position < block_length_ && address < kEepromSize && !dropped) {
            eeprom_[address] = request[2 + i];
        }
    }
    block_position_ += kPieceSize;
    reply_[kStatusByte] = kAcknowledged;
    if (block_position_ >= block_length_) {
        block_ = Block::none;
        save();
    }
}

void SimulatedMouse::save() {
    if (!file_) return;
    Status written = write_file_atomically(*file_, eeprom_);
    file_error_ = written ? std::nullopt : std::optional<Error>(written.error());
}

}  // namespace krvm
