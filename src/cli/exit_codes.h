// The exit codes of krvm640ctl, listed in its --help and in the README.
#pragma once

namespace krvm::cli {

enum ExitCode : int {
    kSuccess = 0,
    kUsage = 1,             // unknown command or option, missing argument
    kNoMouse = 2,           // no mouse found
    kNoAnswer = 3,          // the mouse did not answer (or answered without its signature)
    kNotServed = 4,         // the mouse answered but its controller or access flag is refused
    kPermissionDenied = 5,  // the mouse is there but this user may not open it (udev rule)
    kFileError = 6,         // a file could not be read or written
    kWrongIdentifier = 7,   // the mouse's manufacturer or product code is not accepted
    kWrongFileType = 8,     // a profile file whose type byte is not 0x98
    kWriteFailed = 9,       // the settings still differed after the rewrite of the verification
};

}  // namespace krvm::cli
