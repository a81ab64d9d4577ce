// krvm640ctl show [FILE] [--json]: an image decoded for people (text) or for programs (one JSON
// object). The image is the file's or, without a file, the mouse's.
#include <cstdio>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/identify.h"
#include "cli/show_json.h"
#include "cli/show_text.h"
#include "core/config/default_images.h"

namespace krvm::cli {

namespace {

int print(const ConfigState& state, bool json, int language) {
    ImageFacts facts = decode_image(state);
    ImageNames names = name_image(state, language);
    if (json) {
        print_json(facts, names);
    } else {
        print_text(facts, names, language);
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
