// Runs krvm640ctl as a user would, for the command-line tests.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace krvm::testing {

struct Outcome {
    int exit_code;
    std::string output;  // stdout and stderr together
};

inline Outcome run_ctl(const std::string& arguments) {
    std::string command = std::string(KRVM640CTL) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, got);
    int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace krvm::testing
