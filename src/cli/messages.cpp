#include "cli/messages.h"

#include <array>
#include <utility>

namespace krvm::cli {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kEnglishTexts = {{
    {"Str020", "Finding the specified device"},
    {"Str100", "No Device Found"},
    {"Str101", "Please check your device is attached to USB port"},
    {"Str102", "KRVM640Data.bin file type error"},
    {"Str107", "The mouse manufacturer or product id error"},
    {"Str109", "Fail"},
}};

}  // namespace

std::string message_text(std::string_view id, int /*language*/) {
    for (const auto& [key, text] : kEnglishTexts) {
        if (key == id) return std::string(text);
    }
    return std::string(id);  // an identifier without a text shows itself, never nothing
}

}  // namespace krvm::cli
