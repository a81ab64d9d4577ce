// A mouse in software: the firmware side of the configuration protocol over a 2048-byte EEPROM.
// It answers exactly the reports the tool sends, so every path of the tool runs without hardware.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "core/common/result.h"
#include "core/device/hid_transport.h"
#include "core/device/simulation_options.h"

namespace krvm {

using Eeprom = std::array<std::uint8_t, protocol::kEepromSize>;

// The image a new simulated mouse starts from: the embedded preset 1.
Eeprom simulated_start_image();

class SimulatedMouse final : public HidTransport {
  public:
    explicit SimulatedMouse(SimulationOptions options = {},
                            Eeprom eeprom = simulated_start_image());

    // A mouse whose EEPROM lives in `file`: read from it when it exists (it must hold exactly
    // 2048 bytes), created from the start image when it does not, and rewritten atomically
    // whenever a block write has ended.
    static Result<std::unique_ptr<SimulatedMouse>> with_file(const std::filesystem::path& file,
                                                             SimulationOptions options = {});

    bool send_feature(const FeatureReport& report) override;
    bool get_feature(FeatureReport& report) override;
    bool present() const override;

    // Plugging in and out, as the user would. Plugging in again also ends an `unplug-after`.
    void set_plugged(bool plugged);

    SimulationOptions& options() { return options_; }
    const Eeprom& eeprom() const { return eeprom_; }
    bool in_config_mode() const { return config_mode_; }
    // Why the EEPROM file could not be written last time, if it could not.
    const std::optional<Error>& file_error() const { return file_error_; }

  private:
    enum class Block { none, read, write };

    bool count_report();
    void answer(std::uint8_t status);
    void run(const FeatureReport& request);
    void start_block(Block kind, const FeatureReport& request);
    void read_piece();
    void write_piece(const FeatureReport& request);
    void save();

    SimulationOptions options_;
    Eeprom eeprom_;
    std::optional<std::filesystem::path> file_;
    std::optional<Error> file_error_;
    bool plugged_ = true;
    long reports_ = 0;
    bool config_mode_ = false;
    FeatureReport reply_{};
    int polls_before_answer_ = 0;
    Block block_ = Block::none;
    int block_address_ = 0;
    int block_length_ = 0;
    int block_position_ = 0;
};

}  // namespace krvm
