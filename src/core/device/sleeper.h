// The channel's fixed waits go through a Sleeper, so tests can count them instead of waiting.
#pragma once

namespace krvm {

class Sleeper {
  public:
    virtual ~Sleeper() = default;
    virtual void sleep_ms(int milliseconds) = 0;
};

// Sleeps the calling thread for real.
class ThreadSleeper final : public Sleeper {
  public:
    void sleep_ms(int milliseconds) override;
};

}  // namespace krvm
