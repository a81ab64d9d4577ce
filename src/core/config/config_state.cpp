#include "core/config/config_state.h"

namespace krvm {

void take_image(ConfigState& state, ScriptSplit script) {
    state.last_checks = copy_sections_out(state.data_buf, state.sections);
    copy_areas_out(state.data_buf, state.areas, script);
}

void show_image(ConfigState& state) {
    state.hex = hex_view_of(state.sections);
    RefreshUI(state.sections, state.page);
}

void assemble_image(ConfigState& state, const std::function<void(SectionCopies&)>& aim_key_hook) {
    UIToDataBuf(state.page, state.sections);
    store_parameters(state.sections, state.data_buf);
    if (aim_key_hook) aim_key_hook(state.sections);
    store_profile(state.sections, state.data_buf);
    store_fire_tables(state.sections, state.data_buf);
    store_areas(state.areas, state.data_buf);
}

DataBuf image_as_applied(const DataBuf& image) {
    ConfigState state;
    state.data_buf = image;
    take_image(state, ScriptSplit::area_and_records);
    show_image(state);
    assemble_image(state);
    return state.data_buf;
}

}  // namespace krvm
