#include "cli/show_json.h"

#include <cstdio>
#include <string>

#include "cli/output_text.h"

namespace krvm::cli {

namespace {

const char* boolean(bool value) {
    return value ? "true" : "false";
}

std::string hex_of(const DataBuf& image) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * image.size());
    for (std::uint8_t byte : image) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

template <class T, class F>
std::string json_list(const T& items, F&& item) {
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i) text += (i ? "," : "") + item(items[i]);
    return text + "]";
}

const char* content_word(DeviceMacroView::Content content) {
    switch (content) {
        case DeviceMacroView::Content::ok:
            return "ok";
        case DeviceMacroView::Content::damaged:
            return "damaged";
        case DeviceMacroView::Content::empty:
            break;
    }
    return "empty";
}

std::string json_flag(const std::optional<bool>& flag) {
    return flag ? boolean(*flag) : "null";
}

std::string json_lines(const std::vector<std::string>& lines) {
    return json_list(lines, json_string);
}

std::string json_buttons(const std::array<std::string, image::profile::kButtons>& codes,
                         const std::array<std::string, image::profile::kButtons>& names) {
    std::string text = "[";
    for (std::size_t k = 0; k < codes.size(); ++k) {
        text += (k ? ",{\"code\":" : "{\"code\":") + json_string(codes[k]) +
                ",\"name\":" + json_string(names[k]) + "}";
    }
    return text + "]";
}

std::string json_names(const ImageNames& n) {
    auto number = [](int value) { return std::to_string(value); };
    std::string json = "\"device_macros\":[";
    for (std::size_t i = 0; i < n.device_macros.size(); ++i) {
        const DeviceMacroView& m = n.device_macros[i];
        json += std::string(i ? "," : "") + "{\"slot\":" + number(static_cast<int>(i) + 1) +
                ",\"name\":" + json_string(m.name) + ",\"content\":\"" + content_word(m.content) +
                "\",\"release_key_stop\":" + json_flag(m.release_key_stop) +
                ",\"complete\":" + boolean(m.complete) + ",\"lines\":" + json_lines(m.lines) + "}";
    }
    json += "],\"fire_macros\":" +
            json_list(n.fire_macros, [](const FireMacroView& f) { return json_lines(f.lines); });
    json += ",\"fire_macro_slots\":" + json_list(n.fire_macros, [&](const FireMacroView& f) {
                return "{\"gun\":" + json_string(f.gun) +
                       ",\"mode\":" + (f.gun_mode ? number(f.gun_mode) : std::string("null")) +
                       ",\"release_key_stop\":" + json_flag(f.release_key_stop) +
                       ",\"complete\":" + boolean(f.complete) +
                       ",\"y_offset\":" + number(f.y_offset) +
                       ",\"colour\":" + json_list(f.colour, number) + "}";
            });
    return json + ",";
}

}  // namespace

void print_json(const ImageFacts& d, const ImageNames& names) {
    auto number = [](int value) { return std::to_string(value); };
    std::string json = "{";
    json += "\"checks\":{\"parameter_a\":\"" +
            std::string(check_word(d.checks.parameter_a_repaired)) + "\",\"parameter_b\":\"" +
            check_word(d.checks.parameter_b_repaired) + "\",\"profile\":\"" +
            check_word(d.checks.profile_repaired) + "\",\"fire_key\":\"" +
            check_word(d.checks.fire_key_repaired) + "\"},";
    json += "\"file_type\":\"" + std::string(d.file_type_ok ? "ok" : "wrong") + "\",";
    json += "\"identifier\":{\"manufacturer\":" + number(d.manufacturer) +
            ",\"product\":" + number(d.product) + "},";
    json += "\"key_mode\":" + number(d.key_mode) + ",";
    json +=
        "\"cpi\":{\"count\":" + number(d.cpi_count) + ",\"values\":" +
        json_list(d.cpi_values, [](int v) { return v ? std::to_string(v) : std::string("null"); }) +
        ",\"current_level\":" + number(d.current_level) + "},";
    json += "\"buttons\":{\"mode1\":" + json_buttons(d.buttons.key_mode1, names.key_mode1) +
            ",\"mode2\":" + json_buttons(d.buttons.key_mode2, names.key_mode2) + "},";
    json += "\"led\":{\"type\":\"" + std::string(d.normal_led ? "normal" : "mcu") + "\"";
    json += ",\"middle_cpi_switch\":" + std::string(boolean(d.middle_cpi_switch));
    json += ",\"left_cpi_mode_switch\":" + std::string(boolean(d.left_cpi_mode_switch));
    json += ",\"mcu_brightness\":\"" + std::string(d.mcu_all_lights ? "all" : "half") + "\"";
    json += ",\"mcu_light_count\":" +
            (d.mcu_light_count ? number(d.mcu_light_count) : std::string("null"));
    json += ",\"mcu_modes\":" +
            json_list(d.mcu_modes, [](bool on) { return std::string(boolean(on)); });
    json += ",\"breathing_step\":" + number(d.breathing_step);
    json += ",\"cpi_colours\":" + json_list(d.cpi_colours, [](const char* name) {
                return name ? "\"" + std::string(name) + "\"" : std::string("null");
            });
    json += ",\"mcu_cpi_colours\":" +
            json_list(d.mcu_cpi_colours,
                      [&](const std::array<int, 3>& rgb) { return json_list(rgb, number); });
    json += ",\"mode\":" + number(d.led_mode);
    json += ",\"led_off\":" + std::string(boolean(d.led_off));
    json += ",\"mcu_step\":" + number(d.mcu_step) + "},";
    json += "\"fire_key\":{\"count\":" + number(d.fire_count) +
            ",\"interval\":" + number(d.fire_interval) +
            ",\"complete\":" + boolean(names.fire_key_complete) +
            ",\"lines\":" + json_lines(names.fire_key_lines) + "},";
    json += json_names(names);
    json += "\"image\":\"" + hex_of(d.applied) + "\"}";
    std::printf("%s\n", json.c_str());
}

}  // namespace krvm::cli
