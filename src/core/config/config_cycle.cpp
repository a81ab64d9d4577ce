#include "core/config/config_cycle.h"

#include <algorithm>

#include "core/config/builtin_defaults.h"
#include "core/config/default_images.h"

namespace krvm {

namespace {

constexpr int kVerifiedLength = static_cast<int>(image::kVerifiedSize);

}  // namespace

ConfigCycle::ConfigCycle(CommandChannel& channel, CycleHost& host)
    : channel_(channel), host_(host) {}

void ConfigCycle::busy_begin() {
    host_.stop_device_watch();
    host_.set_busy(true);
    host_.show_loading();
    host_.process_events();
}

void ConfigCycle::busy_end() {
    host_.hide_loading();
    host_.process_events();
    host_.start_device_watch();
    host_.set_busy(false);
}

void ConfigCycle::Btn_Read() {
    busy_begin();
    host_.refresh_pc_macro_names();
    // A failed read leaves 0xFF bytes, which the section checks repair in the copies.
    channel_.read_block(0, static_cast<int>(image::kImageSize), state_.data_buf, true);
    take_image(state_, ScriptSplit::area_and_records);
    host_.refresh_device_macro_list();
    channel_.leave_config_mode();
    DataBufToUI();
    host_.read_pointer_settings();
    host_.image_read_completed();
    host_.process_events();
    busy_end();
}

void ConfigCycle::DataBufToUI() {
    show_image(state_);
    host_.refresh_pages();
}

Verification ConfigCycle::DownloadParameter() {
    host_.close_popups();
    busy_begin();
    assemble_image(state_, [this](SectionCopies& copies) { host_.AIMKeyToDataBuf(copies); });
    host_.show_loading();
    host_.process_events();
    host_.apply_pointer_settings();
    Verification verification = write_image();
    busy_end();
    return verification;
}

// Configuration mode, the whole image when access is granted, the closing commands and the
// verification; nothing more when the mouse does not answer.
Verification ConfigCycle::write_image() {
    ConfigModeEntry entry = channel_.enter_config_mode();
    if (entry == ConfigModeEntry::unanswered) return Verification::skipped;
    if (entry == ConfigModeEntry::served) {
        channel_.write_block(0, static_cast<int>(image::kImageSize), state_.data_buf);
    }
    channel_.leave_config_mode();
    return RepeatedWriteEEPROM();
}

Verification ConfigCycle::RepeatedWriteEEPROM() {
    std::array<std::uint8_t, image::kVerifiedSize> expected;
    std::copy_n(state_.data_buf.begin(), expected.size(), expected.begin());
    std::array<std::uint8_t, image::kVerifiedSize> read_back;

    ConfigModeEntry entry = channel_.enter_config_mode();
    if (entry == ConfigModeEntry::unanswered) return Verification::skipped;
    if (entry == ConfigModeEntry::not_served) {
        channel_.leave_config_mode();
        return Verification::skipped;
    }
    channel_.read_block(0, kVerifiedLength, read_back, true);
    if (read_back == expected) {
        channel_.leave_config_mode();
        return Verification::matched;
    }
    channel_.write_block(0, kVerifiedLength, expected);
    channel_.exchange(protocol::SystemReloadCmd);
    channel_.read_block(0, kVerifiedLength, read_back, true);
    channel_.leave_config_mode();
    if (read_back == expected) return Verification::rewritten;
    host_.show_message(message::kWriteFailed);
    return Verification::failed;
}

Result<Verification> ConfigCycle::DefaultParameter(int preset) {
    if (preset < 1 || preset > kPresetCount)
        return Error{"there is no preset " + std::to_string(preset)};
    // All three are read again at every restore.
    std::array<DataBuf, kPresetCount> presets;
    for (int n = 1; n <= kPresetCount; ++n) {
        auto image = embedded_default_image(n);
        if (!image) return image.error();
        presets[n - 1] = *image;
    }
    host_.close_popups();
    host_.stop_device_watch();
    host_.set_busy(true);
    host_.show_loading();
    state_.data_buf = presets[preset - 1];
    take_image(state_, ScriptSplit::none);
    host_.clear_macro_texts();
    host_.refresh_device_macro_list();
    host_.show_loading();
    DataBufToUI();
    Verification verification = write_image();
    busy_end();
    return verification;
}

Verification ConfigCycle::TLDefaultParameter() {
    host_.close_popups();
    host_.stop_device_watch();
    host_.show_loading();
    state_.hex = {};
    state_.sections = builtin_sections();
    store_parameters(state_.sections, state_.data_buf);
    store_profile(state_.sections, state_.data_buf);
    store_fire_tables(state_.sections, state_.data_buf);
    state_.areas.device_macros.fill(0);
    host_.refresh_device_macro_list();
    std::copy(state_.areas.device_macros.begin(), state_.areas.device_macros.end(),
              state_.data_buf.begin() + image::kDeviceMacrosOffset);
    // The fire-macro records are cleared; the block's filler keeps its bytes.
    for (FireRecord& record : state_.areas.fire_records) record.fill(0);
    std::fill_n(state_.areas.fire_block.begin(), image::kFireRecordsSize, 0);
    std::copy(state_.areas.fire_block.begin(), state_.areas.fire_block.end(),
              state_.data_buf.begin() + image::kFireBlockOffset);
    DataBufToUI();
    Verification verification = write_image();
    host_.hide_loading();
    host_.process_events();
    host_.start_device_watch();
    return verification;
}

Status ConfigCycle::load_no_device_image() {
    auto preset = embedded_default_image(1);
    if (!preset) return preset.error();
    state_.data_buf = *preset;
    take_image(state_, ScriptSplit::area_and_records);
    host_.refresh_device_macro_list();
    DataBufToUI();
    return {};
}

ConfigCycle::ProfileApply ConfigCycle::load_profile_file(const std::filesystem::path& path) {
    ProfileLoad load = load_profile(path, state_.data_buf);
    ProfileApply result{load.outcome, load.reason};
    switch (load.outcome) {
        case ProfileLoad::Outcome::unreadable:
            host_.show_error(load.reason);
            break;
        case ProfileLoad::Outcome::wrong_file_type:
            host_.show_message(message::kFileTypeError);
            break;
        case ProfileLoad::Outcome::loaded:
            state_.data_buf = load.image;
            result.verification = MemoToDataBuf_OnClick();
            break;
    }
    return result;
}

Verification ConfigCycle::MemoToDataBuf_OnClick() {
    take_image(state_, ScriptSplit::area);
    host_.refresh_device_macro_list();
    DataBufToUI();
    busy_begin();
    Verification verification = write_image();
    busy_end();
    return verification;
}

Status ConfigCycle::save_profile_file(const std::filesystem::path& path) {
    Status saved = save_profile(path, state_.data_buf);
    if (!saved) host_.show_error(saved.error().message);
    return saved;
}

}  // namespace krvm
