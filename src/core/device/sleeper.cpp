#include "core/device/sleeper.h"

#include <chrono>
#include <thread>

namespace krvm {

void ThreadSleeper::sleep_ms(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace krvm
