// The English texts of the language table that naming needs, as a lookup for tests.
#pragma once

#include "core/ui/text_lookup.h"

#include <map>
#include <string>

namespace krvm::test {

inline TextLookup english_texts() {
    static const std::map<std::string, std::string, std::less<>> kTexts{
        {"Str103", "Macro bin length out of range"},
        {"Str200", "*"},
        {"Str201", "Standard Mouse Key"},
        {"Str202", "Special Key"},
        {"Str203", "Media Fn"},
        {"Str204", "WWW Fn"},
        {"Str205", "User-defined"},
        {"Str206", "Base Macro"},
        {"Str207", "PC Fn"},
        {"Str208", "Fire Macro"},
        {"Str210", "Left Key"},
        {"Str211", "Right Key"},
        {"Str212", "Middle Key"},
        {"Str213", "Back"},
        {"Str214", "Forward"},
        {"Str220", "Fire Key"},
        {"Str221", "LED Switch"},
        {"Str222", "AIM Key"},
        {"Str223", "Gun Key Fn"},
        {"Str224", "Key Off"},
        {"Str225", "KB Switch Key"},
        {"Str226", "LED Switch Key"},
        {"Str230", "DPI Key"},
        {"Str231", "DPI Loop"},
        {"Str232", "DPI +"},
        {"Str233", "DPI -"},
        {"Str240", "My Computer"},
        {"Str241", "Calculator"},
        {"Str242", "E-Mail"},
        {"Str243", "Desktop"},
        {"Str250", "Play/Pause"},
        {"Str251", "Stop"},
        {"Str252", "Previous Track"},
        {"Str253", "Next Track"},
        {"Str254", "Volume +"},
        {"Str255", "Volume -"},
        {"Str256", "Mute"},
        {"Str260", "Home"},
        {"Str261", "Search"},
        {"Str262", "www Back"},
        {"Str263", "www Forward"},
        {"Str264", "Stop"},
        {"Str265", "Refresh"},
        {"Str266", "Favorites"},
        {"Str600", "AKM Fire"},
        {"Str601", "M16 Fire"},
        {"Str602", "M4 Fire"},
        {"Str603", "UMP9 Fire"},
        {"Str604", "SCAR-L Fire"},
        {"Str605", "5.56mm Fire"},
        {"Str606", "7.62mm Fire"},
    };
    return [](std::string_view id) {
        auto it = kTexts.find(id);
        return it == kTexts.end() ? std::string() : it->second;
    };
}

}  // namespace krvm::test
