// krvm640ctl show [FILE] [--json]: an image decoded for people (text) or for programs (one JSON
// object). The image is the file's or, without a file, the mouse's.
#include <array>
#include <cstdio>
#include <string>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/identify.h"
#include "cli/image_names.h"
#include "cli/messages.h"
#include "cli/output_text.h"
#include "core/config/default_images.h"

namespace krvm::cli {

namespace {

using namespace image;
namespace pa = image::parameter_a;
namespace pb = image::parameter_b;

// The CPI a level's value index stands for.
constexpr std::array<int, 11> kCpiValues = {500,  800,  1000, 1200, 1600, 2000,
                                            2400, 3200, 4000, 4800, 6400};
// The normal LED's palette, by index.
constexpr std::array<const char*, 7> kPalette = {"Red",    "Green", "Yellow", "Blue",
                                                 "Purple", "Cyan",  "White"};
constexpr int kMaxMcuLights = 13;
constexpr int kMaxMcuCountCode = 9;

// The facts of an image, decoded from the section copies after the checks.
struct Decoded {
    CheckOutcome checks;
    bool file_type_ok = true;
    int manufacturer = 0;
    int product = 0;
    int key_mode = 1;
    int cpi_count = 0;
    std::array<int, 7> cpi_values{};  // 0 for a byte outside the list
    int current_level = 0;
    HexView buttons;
    bool middle_cpi_switch = false;
    bool left_cpi_mode_switch = false;
    bool normal_led = false;
    bool mcu_all_lights = false;
    int mcu_light_count = 0;  // 0 for a code outside 0..9
    std::array<bool, 7> mcu_modes{};
    int breathing_step = 0;
    std::array<const char*, 7> cpi_colours{};  // nullptr for an index outside the palette
    std::array<std::array<int, 3>, 7> mcu_cpi_colours{};
    int led_mode = 0;
    bool led_off = false;
    int mcu_step = 0;
    int fire_count = 0;
    int fire_interval = 0;
    DataBuf applied{};
};

Decoded decode(const ConfigState& state) {
    const SectionCopies& s = state.sections;
    const auto& a = s.parameter_a;
    const auto& b = s.parameter_b;
    Decoded d;
    d.checks = state.last_checks;
    d.file_type_ok = state.data_buf[kFileTypeOffset] == kFileType;
    d.manufacturer = b[pb::kManufacturer];
    d.product = b[pb::kProduct];
    d.key_mode = (b[pb::kKeyMode] & pb::kKeyMode2Bit) ? 2 : 1;
    d.cpi_count = a[pa::kCpiLevelCount];
    for (std::size_t k = 0; k < 7; ++k) {
        std::uint8_t index = a[pa::kCpiValues + k];
        d.cpi_values[k] = index < kCpiValues.size() ? kCpiValues[index] : 0;
        std::uint8_t colour = a[pa::kCpiColours + k];
        d.cpi_colours[k] = colour < kPalette.size() ? kPalette[colour] : nullptr;
        for (std::size_t c = 0; c < 3; ++c)
            d.mcu_cpi_colours[k][c] = a[pa::kMcuCpiColours + 3 * k + c];
    }
    d.current_level = b[pb::kCurrentCpiLevel] + 1;
    d.buttons = state.hex;
    std::uint8_t flags = a[pa::kOptionFlags];
    d.middle_cpi_switch = flags & pa::kMiddleCpiLedSwitchBit;
    d.left_cpi_mode_switch = flags & pa::kLeftCpiLedModeBit;
    d.normal_led = flags & pa::kNormalLedBit;
    std::uint8_t mcu = a[pa::kMcuLedOptions];
    d.mcu_all_lights = mcu & pa::kMcuAllLightsBit;
    int count_code = mcu >> pa::kMcuCountShift;
    d.mcu_light_count = count_code <= kMaxMcuCountCode ? kMaxMcuLights - count_code : 0;
    for (std::size_t n = 0; n < 7; ++n) d.mcu_modes[n] = (a[pa::kMcuModeMask] >> (n + 1)) & 1;
    d.breathing_step = a[pa::kBreathingStep];
    std::uint8_t led = b[pb::kLedState];
    d.led_mode = led & pb::kLedModeMask;
    d.led_off = led & pb::kLedOffBit;
    d.mcu_step = (led & pb::kMcuStepMask) >> pb::kMcuStepShift;
    d.fire_count = s.fire_key[fire_key::kRepeatCount] + 1;
    d.fire_interval = s.fire_key[fire_key::kInterval];
    d.applied = image_as_applied(state.data_buf);
    return d;
}

const char* check_word(bool repaired) {
    return repaired ? "repaired" : "ok";
}
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

void print_json(const Decoded& d, const ImageNames& names) {
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

void print_lines(const std::vector<std::string>& lines, bool complete) {
    for (const std::string& line : lines) std::printf("    %s\n", printable(line).c_str());
    if (!complete) std::printf("    (stops at an event byte without a line form)\n");
}

const char* release_words(const std::optional<bool>& flag) {
    if (!flag) return "release flag unknown";
    return *flag ? "release key for stop" : "release key for continue";
}

void print_macros(const ImageNames& n) {
    for (std::size_t i = 0; i < n.device_macros.size(); ++i) {
        const DeviceMacroView& m = n.device_macros[i];
        std::printf("device macro %zu: %s, ", i + 1,
                    m.name.empty() ? "(no name)" : ("\"" + printable(m.name) + "\"").c_str());
        switch (m.content) {
            case DeviceMacroView::Content::empty:
                std::printf("empty\n");
                break;
            case DeviceMacroView::Content::damaged:
                std::printf("checksum wrong (cleared when the image is taken in)\n");
                break;
            case DeviceMacroView::Content::ok:
                std::printf("%s\n", release_words(m.release_key_stop));
                print_lines(m.lines, m.complete);
                break;
        }
    }
    for (std::size_t k = 0; k < n.fire_macros.size(); ++k) {
        const FireMacroView& f = n.fire_macros[k];
        std::string gun = printable(f.gun);
        if (f.gun_mode) gun += ", mode " + std::to_string(f.gun_mode);
        std::printf("fire macro %zu (%s): ", k + 1, gun.c_str());
        if (f.lines.empty()) {
            std::printf("empty");
        } else {
            std::printf("%s", release_words(f.release_key_stop));
        }
        std::printf(", Y offset %d, colour %d %d %d\n", f.y_offset, f.colour[0], f.colour[1],
                    f.colour[2]);
        print_lines(f.lines, f.complete);
    }
}

void print_text(const Decoded& d, const ImageNames& names, int language) {
    std::printf("section checks: parameter A %s, parameter B %s, profile %s, fire key %s\n",
                check_word(d.checks.parameter_a_repaired),
                check_word(d.checks.parameter_b_repaired), check_word(d.checks.profile_repaired),
                check_word(d.checks.fire_key_repaired));
    std::printf("file type byte: %s\n", d.file_type_ok ? "ok" : "wrong (cannot be loaded)");
    std::printf("identifier: manufacturer %d, product %d\n", d.manufacturer, d.product);
    std::printf("key mode: %d\n", d.key_mode);
    std::printf("CPI levels: %d in use, current level %d\n", d.cpi_count, d.current_level);
    for (std::size_t k = 0; k < d.cpi_values.size(); ++k) {
        std::printf("  level %zu: %s CPI, colour %s, MCU colour %d %d %d\n", k + 1,
                    d.cpi_values[k] ? std::to_string(d.cpi_values[k]).c_str() : "(none)",
                    d.cpi_colours[k] ? d.cpi_colours[k] : "(none)", d.mcu_cpi_colours[k][0],
                    d.mcu_cpi_colours[k][1], d.mcu_cpi_colours[k][2]);
    }
    for (int mode = 1; mode <= 2; ++mode) {
        // "Office Mode" and "Game Mode", the key pages' own captions
        std::string caption = message_text(mode == 1 ? "Str004" : "Str005", language);
        std::printf("buttons, key mode %d (%s):\n", mode, printable(caption).c_str());
        const auto& codes = mode == 1 ? d.buttons.key_mode1 : d.buttons.key_mode2;
        const auto& labels = mode == 1 ? names.key_mode1 : names.key_mode2;
        for (std::size_t k = 0; k < codes.size(); ++k) {
            std::printf("  button %zu: %s %s\n", k + 1, codes[k].c_str(),
                        labels[k].empty() ? "(no name)" : printable(labels[k]).c_str());
        }
    }
    std::printf("LED: %s, %s, mode %d, step %d\n", d.normal_led ? "normal LED" : "MCU LED row",
                d.led_off ? "off" : "on", d.led_mode, d.mcu_step);
    std::printf("  switch by middle + CPI: %s, mode by left + CPI: %s\n",
                d.middle_cpi_switch ? "yes" : "no", d.left_cpi_mode_switch ? "yes" : "no");
    std::printf("  MCU lights: %s, %s brightness, modes enabled:",
                d.mcu_light_count ? std::to_string(d.mcu_light_count).c_str() : "(none)",
                d.mcu_all_lights ? "full" : "half");
    for (std::size_t n = 0; n < d.mcu_modes.size(); ++n) {
        if (d.mcu_modes[n]) std::printf(" %zu", n + 1);
    }
    std::printf("\n  breathing step: %d ms\n", d.breathing_step);
    std::printf("rapid fire: %d shots, interval %d (%d ms)\n", d.fire_count, d.fire_interval,
                8 * d.fire_interval);
    std::printf("Fire Key macro:\n");
    print_lines(names.fire_key_lines, names.fire_key_complete);
    print_macros(names);
}

int print(const ConfigState& state, bool json, int language) {
    Decoded decoded = decode(state);
    ImageNames names = name_image(state, language);
    if (json) {
        print_json(decoded, names);
    } else {
        print_text(decoded, names, language);
    }
    return kSuccess;
}

}  // namespace

int show_file_command(const std::filesystem::path& file, bool json, int language) {
    // A short file is completed from preset 1, the image the tool holds without a mouse.
    auto base = embedded_default_image(1);
    if (!base) {
        std::fprintf(stderr, "krvm640ctl: %s\n", base.error().message.c_str());
        return kFileError;
    }
    ProfileLoad load = load_profile(file, *base);
    if (load.outcome == ProfileLoad::Outcome::unreadable) {
        std::fprintf(stderr, "krvm640ctl: %s\n", load.reason.c_str());
        return kFileError;
    }
    ConfigState state;
    state.data_buf = load.image;
    take_image(state, ScriptSplit::area_and_records);
    show_image(state);
    return print(state, json, language);
}

int show_mouse_command(CommandContext& context, bool json) {
    CliHost host(context.language);
    ConfigCycle cycle(context.session.link().channel(), host);
    if (auto refused = identify_and_read(context, cycle)) return *refused;
    return print(cycle.state(), json, context.language);
}

}  // namespace krvm::cli
