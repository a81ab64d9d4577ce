#include "platform/hid/bus_for_options.h"

#include "core/device/simulated_bus.h"
#include "core/device/transcript.h"
#include "platform/hid/hidraw_bus.h"

namespace krvm {

Result<std::unique_ptr<HidBus>> bus_for_options(const DeviceOptions& options) {
    std::unique_ptr<HidBus> bus = std::make_unique<HidrawBus>();
    if (options.trace) {
        auto trace = Transcript::open(*options.trace);
        if (!trace) return trace.error();
        bus = std::make_unique<TranscriptBus>(std::move(bus), *trace);
    }
    if (!options.simulate) return bus;

    std::shared_ptr<SimulatedMouse> mouse;
    if (options.simulation_file) {
        auto stored = SimulatedMouse::with_file(*options.simulation_file, options.simulation);
        if (!stored) return stored.error();
        mouse = std::move(*stored);
    } else {
        mouse = std::make_shared<SimulatedMouse>(options.simulation);
    }
    std::shared_ptr<Transcript> log;
    if (options.simulation_log) {
        auto opened = Transcript::open(*options.simulation_log);
        if (!opened) return opened.error();
        log = *opened;
    }
    return std::unique_ptr<HidBus>(std::make_unique<SimulatedHidBus>(
        std::move(mouse), std::move(bus), options.simulation_control, std::move(log)));
}

}  // namespace krvm
