#include "cli/mouse_session.h"

#include <cstdio>

#include "cli/exit_codes.h"
#include "cli/messages.h"
#include "core/app/discovery.h"
#include "core/config/cycle_host.h"
#include "platform/hid/bus_for_options.h"

namespace krvm::cli {

Result<std::unique_ptr<MouseSession>> MouseSession::create(const DeviceOptions& options) {
    auto bus = bus_for_options(options);
    if (!bus) return bus.error();
    return std::unique_ptr<MouseSession>(new MouseSession(std::move(*bus)));
}

int MouseSession::open_mouse(int language) {
    ThreadSleeper sleeper;
    OpenOutcome outcome = open_device(*bus_, link_.connection(), kAcceptedIdentifierTable[0],
                                      kRequiredVersion, sleeper);
    if (outcome.opened) return kSuccess;
    print_message(message::kNoDevice, language);
    print_message(message::kCheckUsb, language);
    if (outcome.permission_denied.empty()) return kNoMouse;
    for (const std::string& path : outcome.permission_denied) {
        std::fprintf(stderr, "%s\n", permission_hint(path).c_str());
    }
    return kPermissionDenied;
}

}  // namespace krvm::cli
