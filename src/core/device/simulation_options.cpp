#include "core/device/simulation_options.h"

#include <charconv>
#include <string>

namespace krvm {

namespace {

std::optional<long> parse_number(std::string_view text, long min, long max) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < min ||
        value > max) {
        return std::nullopt;
    }
    return value;
}

Error bad_value(std::string_view key, std::string_view value, std::string_view expected) {
    return Error{"simulation option " + std::string(key) + ": '" + std::string(value) +
                 "' is not " + std::string(expected)};
}

}  // namespace

Status apply_simulation_option(SimulationOptions& options, std::string_view key_value) {
    auto equals = key_value.find('=');
    if (equals == std::string_view::npos) {
        return Error{"simulation option '" + std::string(key_value) + "' is not KEY=VALUE"};
    }
    std::string_view key = key_value.substr(0, equals);
    std::string_view value = key_value.substr(equals + 1);

    auto byte_option = [&](std::uint8_t& field) -> Status {
        auto number = parse_number(value, 0, 255);
        if (!number) return bad_value(key, value, "a byte (0 to 255)");
        field = static_cast<std::uint8_t>(*number);
        return {};
    };

    if (key == "type") return byte_option(options.type_code);
    if (key == "signature") return byte_option(options.signature);
    if (key == "access") {
        auto number = parse_number(value, 0, 1);
        if (!number) return bad_value(key, value, "0 or 1");
        options.access = *number == 1;
        return {};
    }
    if (key == "answer") {
        if (value == "normal")
            options.answer = SimulationOptions::Answer::normal;
        else if (value == "never")
            options.answer = SimulationOptions::Answer::never;
        else if (value == "refuse")
            options.answer = SimulationOptions::Answer::refuse;
        else
            return bad_value(key, value, "normal, never or refuse");
        return {};
    }
    if (key == "latency") {
        auto number = parse_number(value, 0, 1000);
        if (!number) return bad_value(key, value, "a number of polls (0 to 1000)");
        options.latency = static_cast<int>(*number);
        return {};
    }
    if (key == "drop-writes") {
        auto dash = value.find('-');
        if (dash == std::string_view::npos) {
            return bad_value(key, value, "an EEPROM address range FROM-TO");
        }
        long first = parse_number(value.substr(0, dash), 0, 2047).value_or(-1);
        long last = parse_number(value.substr(dash + 1), 0, 2047).value_or(-1);
        if (first < 0 || last < first) {
            return bad_value(key, value, "an EEPROM address range FROM-TO");
        }
        options.drop_writes =
            SimulationOptions::AddressRange{static_cast<int>(first), static_cast<int>(last)};
        return {};
    }
    if (key == "unplug-after") {
        auto number = parse_number(value, 0, 1'000'000'000);
        if (!number) return bad_value(key, value, "a number of reports");
        options.unplug_after = *number;
        return {};
    }
    if (key == "buttons") {
        auto number = parse_number(value, 0, 0xFFFF);
        if (!number) return bad_value(key, value, "a 16-bit button mask");
        options.buttons = static_cast<std::uint16_t>(*number);
        return {};
    }
    return Error{"unknown simulation option '" + std::string(key) + "'"};
}

}  // namespace krvm
