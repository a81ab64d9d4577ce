// Prints how long whole-image transfers with the simulated mouse take against the time the
// protocol's fixed waits alone account for. The goal is a ratio of at most 1.05: the tool's own
// work between the waits must not be what the user waits for.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/config/config_cycle.h"
#include "core/app/accepted_identifiers.h"
#include "core/app/identification.h"
#include "core/device/command_channel.h"
#include "core/device/simulated_mouse.h"

namespace {

using namespace krvm;

// Sleeps for real and adds up what it was asked to sleep.
class TallyingSleeper final : public Sleeper {
  public:
    void sleep_ms(int milliseconds) override {
        asked_ms += milliseconds;
        real_.sleep_ms(milliseconds);
    }
    long asked_ms = 0;

  private:
    ThreadSleeper real_;
};

double cpu_seconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// `transfer` runs on a fresh simulated mouse; with `open` configuration mode is entered first.
void measure(const char* name, const std::function<void(CommandChannel&)>& transfer, bool open = true) {
    Connection connection;
    connection.handle = std::make_unique<SimulatedMouse>();
    TallyingSleeper sleeper;
    CommandChannel channel(connection, sleeper);
    if (open) channel.enter_config_mode();
    sleeper.asked_ms = 0;

    double cpu_before = cpu_seconds();
    auto start = std::chrono::steady_clock::now();
    transfer(channel);
    auto elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    double cpu_ms = (cpu_seconds() - cpu_before) * 1000;

    std::printf("%-22s measured %8.1f ms   sleeps %6ld ms   ratio %.3f   cpu %6.1f ms\n", name,
                elapsed.count(), sleeper.asked_ms, elapsed.count() / sleeper.asked_ms, cpu_ms);
}

}  // namespace

int main() {
    std::vector<std::uint8_t> image(protocol::kEepromSize, 0x5A);
    measure("read 2048 bytes", [&](CommandChannel& channel) {
        channel.read_block(0, protocol::kEepromSize, image, true);
    });
    measure("write 2048 bytes", [&](CommandChannel& channel) {
        channel.write_block(0, protocol::kEepromSize, image);
    });
    // What the user waits for: plugging in (identification and image read), and Apply (the
    // whole image written, then the settings read back and compared).
    CycleHost host;
    measure(
        "identify + image read",
        [&](CommandChannel& channel) {
            identify_mouse(channel, accepted_identifier_pairs());
            ConfigCycle(channel, host).Btn_Read();
        },
        false);
    measure(
        "apply + verification",
        [&](CommandChannel& channel) {
            ConfigCycle cycle(channel, host);
            if (cycle.load_no_device_image().ok()) cycle.DownloadParameter();
        },
        false);
    return 0;
}
