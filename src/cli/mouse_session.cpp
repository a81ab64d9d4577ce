#include "cli/mouse_session.h"

#include "core/device/simulated_mouse.h"
#include "core/device/transcript.h"

namespace krvm::cli {

Result<std::unique_ptr<MouseSession>> MouseSession::open(const DeviceOptions& options) {
    std::unique_ptr<MouseSession> session(new MouseSession);
    if (!options.simulate) return session;  // real hardware arrives with the hidraw layer

    std::unique_ptr<HidTransport> mouse;
    if (options.simulation_file) {
        auto stored = SimulatedMouse::with_file(*options.simulation_file, options.simulation);
        if (!stored) return stored.error();
        mouse = std::move(*stored);
    } else {
        mouse = std::make_unique<SimulatedMouse>(options.simulation);
    }
    if (options.simulation_log) {
        auto transcript = Transcript::open(*options.simulation_log);
        if (!transcript) return transcript.error();
        mouse = std::make_unique<TranscriptTransport>(std::move(mouse), *transcript);
    }
    Connection& connection = session->link_.connection();
    connection.handle = std::move(mouse);
    connection.vendor_id = 0x1BCF;
    connection.product_id = 0x08A0;
    connection.feature_report_length = protocol::kReportSize;
    return session;
}

}  // namespace krvm::cli
