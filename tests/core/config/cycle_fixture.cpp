#include "core/config/cycle_fixture.h"

namespace krvm::testing {

std::string command_order(const std::vector<LoggedReport>& log) {
    static const char* const kNames[] = {"?",          "Begin",      "End",
                                         "Status",     "ReadSetup",  "ReadPiece",
                                         "WriteSetup", "WritePiece", "Reload"};
    std::string order;
    int previous = -1;
    int run = 0;
    auto flush = [&] {
        if (previous < 0) return;
        if (!order.empty()) order += ' ';
        order += previous < 9 ? kNames[previous] : "?";
        if (run > 1) order += "*" + std::to_string(run);
    };
    for (const LoggedReport& report : log) {
        if (!report.sent) continue;
        if (report.bytes[1] == previous) {
            ++run;
            continue;
        }
        flush();
        previous = report.bytes[1];
        run = 1;
    }
    flush();
    return order;
}

}  // namespace krvm::testing
