// krvm640: the mouse's configuration window. One instance per user; a second start brings the
// running window to the front.
#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "core/app/device_options.h"
#include "gui/app/loading_window.h"
#include "gui/app/main_window.h"
#include "platform/hid/bus_for_options.h"
#include "platform/instance/single_instance.h"

namespace {

constexpr const char* kUsage =
    "Usage: krvm640 [OPTIONS]\n"
    "Configuration window for mice built on the KRVM640 controller.\n"
    "\n"
    "Options:\n"
    "  --help                  show this text\n";

}  // namespace

int main(int argc, char** argv) {
    auto parsed = krvm::parse_device_options(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed) {
        std::fprintf(stderr, "krvm640: %s\n", parsed.error().message.c_str());
        return 1;
    }
    for (const std::string& argument : parsed->rest) {
        if (argument == "--help" || argument == "-h") {
            std::printf("%s%s", kUsage, krvm::kDeviceOptionsHelp);
            return 0;
        }
        std::fprintf(stderr, "krvm640: unknown option '%s'\nTry 'krvm640 --help'.\n",
                     argument.c_str());
        return 1;
    }

    QApplication application(argc, argv);
    krvm::SingleInstance instance(krvm::MainWindow::kCaption);
    if (instance.signalRunningInstance()) return 0;
    instance.listen();

    auto bus = krvm::bus_for_options(parsed->device);
    if (!bus) {
        std::fprintf(stderr, "krvm640: %s\n", bus.error().message.c_str());
        return 1;
    }
    krvm::MouseLink mouse;
    krvm::MainWindow window(**bus, mouse);
    krvm::LoadingWindow loading(&window);
    window.setLoadingWindow(&loading);
    QObject::connect(&instance, &krvm::SingleInstance::activationRequested, &window,
                     &krvm::MainWindow::restoreAndRaise);
    window.show();
    return application.exec();
}
