// The exit codes of krvm640ctl, listed in its --help and in the README.
#pragma once

namespace krvm::cli {

enum ExitCode : int {
    kSuccess = 0,
    kUsage = 1,              // unknown command or option, missing argument
    kNoMouse = 2,            // no mouse found
    kNoAnswer = 3,           // the mouse did not answer (or answered without its signature)
    kNotServed = 4,          // the mouse answered but its controller or access flag is refused
    kPermissionDenied = 5,   // the mouse is there but this user may not open it (udev rule)
    kFileError = 6,          // a file could not be read or written
    kIdentifierRefused = 7,  // the identifier bytes in the mouse are not accepted
};

}  // namespace krvm::cli
