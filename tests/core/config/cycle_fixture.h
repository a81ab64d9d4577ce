// Test fixture for the image operations: a simulated mouse behind a logging transport, a
// sleeper that only counts, and a host that records every call in order.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/config/config_cycle.h"
#include "core/device/recording_transport.h"
#include "core/device/simulated_mouse.h"

namespace krvm::testing {

class RecordingHost final : public CycleHost {
  public:
    void stop_device_watch() override { calls.push_back("stop watch"); }
    void start_device_watch() override { calls.push_back("start watch"); }
    void set_busy(bool busy) override { calls.push_back(busy ? "busy on" : "busy off"); }
    void show_loading() override { calls.push_back("show loading"); }
    void hide_loading() override { calls.push_back("hide loading"); }
    void process_events() override { calls.push_back("events"); }
    void close_popups() override { calls.push_back("close popups"); }
    void show_message(std::string_view id) override {
        calls.push_back("message " + std::string(id));
    }
    void show_error(std::string_view text) override {
        calls.push_back("error " + std::string(text));
    }
    void refresh_pages() override { calls.push_back("refresh pages"); }
    void refresh_device_macro_list() override { calls.push_back("device macros"); }
    void refresh_pc_macro_names() override { calls.push_back("pc macros"); }
    void clear_macro_texts() override { calls.push_back("clear macro texts"); }
    void read_pointer_settings() override { calls.push_back("read pointer"); }
    void apply_pointer_settings() override { calls.push_back("apply pointer"); }
    void image_read_completed() override { calls.push_back("read completed"); }
    void AIMKeyToDataBuf(SectionCopies&) override { calls.push_back("aim keys"); }

    std::vector<std::string> calls;
};

// The commands sent, in order, as names; a run of one command shows as "Name*count".
std::string command_order(const std::vector<LoggedReport>& log);

class CycleTest : public ::testing::Test {
  protected:
    void connect(SimulationOptions options = {}, Eeprom eeprom = simulated_start_image()) {
        auto simulated = std::make_unique<SimulatedMouse>(options, eeprom);
        mouse = simulated.get();
        owned_mouse = std::move(simulated);
        connection.handle = std::make_unique<RecordingTransport>(*mouse, log);
    }
    void SetUp() override { connect(); }

    // The identification's part of configuration mode, as the image read expects it.
    void open_for_read() { ASSERT_EQ(channel.enter_config_mode(), ConfigModeEntry::served); }

    std::unique_ptr<SimulatedMouse> owned_mouse;
    SimulatedMouse* mouse = nullptr;
    std::vector<LoggedReport> log;
    Connection connection;
    CountingSleeper sleeper;
    CommandChannel channel{connection, sleeper};
    RecordingHost host;
    ConfigCycle cycle{channel, host};
};

}  // namespace krvm::testing
