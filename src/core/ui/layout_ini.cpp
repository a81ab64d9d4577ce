#include "core/ui/layout_ini.h"

#include <charconv>

#include "core/resources/embedded.h"
#include "core/ui/text_encoding.h"

namespace krvm {

namespace {

std::string_view trim(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

}  // namespace

IniSections parse_layout_text(std::string_view text) {
    IniSections ini;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == ';' || line.starts_with("//")) continue;
        if (line.front() == '[' && line.back() == ']') {
            ini.add_section(line.substr(1, line.size() - 2));
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        ini.add_key(trim(line.substr(0, eq)), trim(line.substr(eq + 1)));
    }
    return ini;
}

Result<IniSections> parse_layout_resource(std::span<const std::uint8_t> bytes) {
    Result<std::string> text = decode_cp936(bytes);
    if (!text) return text.error();
    return parse_layout_text(*text);
}

Result<IniSections> load_layout_resource(std::string_view name) {
    const auto bytes = resources::find(name);
    if (!bytes) return Error{"the embedded resource " + std::string(name) + " is missing"};
    Result<IniSections> ini = parse_layout_resource(*bytes);
    if (!ini) return Error{std::string(name) + ": " + ini.error().message};
    return ini;
}

std::optional<int> parse_layout_number(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace krvm
