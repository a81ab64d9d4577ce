#include "cli/show_text.h"

#include <cstdio>
#include <string>

#include "cli/messages.h"
#include "cli/output_text.h"

namespace krvm::cli {

namespace {

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

}  // namespace

void print_text(const ImageFacts& d, const ImageNames& names, int language) {
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

}  // namespace krvm::cli
