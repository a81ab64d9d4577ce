// The command line's side of the image operations: messages go to stderr in the chosen language;
// there is no window to lock or redraw.
#pragma once

#include <cstdio>
#include <string>

#include "cli/messages.h"
#include "core/config/cycle_host.h"

namespace krvm::cli {

class CliHost final : public CycleHost {
  public:
    explicit CliHost(int language) : language_(language) {}

    void show_message(std::string_view id) override { print_message(id, language_); }
    void show_error(std::string_view text) override {
        std::fprintf(stderr, "krvm640ctl: %.*s\n", static_cast<int>(text.size()), text.data());
    }

  private:
    int language_;
};

}  // namespace krvm::cli
