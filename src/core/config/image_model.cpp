#include "core/config/image_model.h"

#include <algorithm>

#include "core/common/checksum.h"
#include "core/config/section_checks.h"

namespace krvm {

namespace {

using namespace image;

template <std::size_t N>
void copy_out(const DataBuf& data_buf, std::size_t offset, std::array<std::uint8_t, N>& copy) {
    std::copy_n(data_buf.begin() + offset, N, copy.begin());
}

template <std::size_t N>
void copy_in(const std::array<std::uint8_t, N>& copy, std::size_t offset, DataBuf& data_buf) {
    std::copy(copy.begin(), copy.end(), data_buf.begin() + offset);
}

}  // namespace

CheckOutcome copy_sections_out(const DataBuf& data_buf, SectionCopies& copies) {
    CheckOutcome outcome;
    copy_out(data_buf, kParameterAOffset, copies.parameter_a);
    outcome.parameter_a_repaired = CheckParameterASection(copies.parameter_a);
    copy_out(data_buf, kParameterBOffset, copies.parameter_b);
    outcome.parameter_b_repaired = CheckParameterBSection(copies.parameter_b);
    copy_out(data_buf, kProfileOffset, copies.profile);
    outcome.profile_repaired = CheckProfileSection(copies.profile);
    copy_out(data_buf, kFireCodesOffset, copies.fire_codes);
    copy_out(data_buf, kYOffsetsOffset, copies.y_offsets);
    copy_out(data_buf, kFireColoursOffset, copies.fire_colours);
    copy_out(data_buf, kFireKeyOffset, copies.fire_key);
    outcome.fire_key_repaired = CheckFireKeySection(copies.fire_key);
    return outcome;
}

void copy_areas_out(const DataBuf& data_buf, AreaBuffers& areas, ScriptSplit script) {
    copy_out(data_buf, kDeviceMacrosOffset, areas.device_macros);
    copy_out(data_buf, kFireBlockOffset, areas.fire_block);
    for (std::size_t n = 0; n < kFireMacroCount; ++n) {
        std::copy_n(areas.fire_block.begin() + n * kFireRecordSize, kFireRecordSize,
                    areas.fire_records[n].begin());
    }
    if (script == ScriptSplit::none) return;
    copy_out(data_buf, kScriptOffset, areas.script);
    if (script == ScriptSplit::area) return;
    for (std::size_t n = 0; n < areas.script_records.size(); ++n) {
        std::copy_n(areas.script.begin() + n * kScriptRecordSize, kScriptRecordSize,
                    areas.script_records[n].begin());
    }
}

void store_parameters(SectionCopies& copies, DataBuf& data_buf) {
    seal_checksum(copies.parameter_a);
    copy_in(copies.parameter_a, kParameterAOffset, data_buf);
    copy_in(copies.parameter_b, kParameterBOffset, data_buf);
}

void store_profile(SectionCopies& copies, DataBuf& data_buf) {
    seal_checksum(copies.profile);
    copy_in(copies.profile, kProfileOffset, data_buf);
}

void store_fire_tables(SectionCopies& copies, DataBuf& data_buf) {
    copy_in(copies.fire_codes, kFireCodesOffset, data_buf);
    copy_in(copies.y_offsets, kYOffsetsOffset, data_buf);
    copy_in(copies.fire_colours, kFireColoursOffset, data_buf);
    seal_checksum(copies.fire_key);
    copy_in(copies.fire_key, kFireKeyOffset, data_buf);
}

void store_areas(const AreaBuffers& areas, DataBuf& data_buf) {
    copy_in(areas.device_macros, kDeviceMacrosOffset, data_buf);
    copy_in(areas.fire_block, kFireBlockOffset, data_buf);
    copy_in(areas.script, kScriptOffset, data_buf);
}

void copy_sections_in(SectionCopies& copies, const AreaBuffers& areas, DataBuf& data_buf) {
    store_parameters(copies, data_buf);
    store_profile(copies, data_buf);
    store_fire_tables(copies, data_buf);
    store_areas(areas, data_buf);
}

std::string function_code_hex(std::span<const std::uint8_t, 3> code) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t byte : code) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

HexView hex_view_of(const SectionCopies& copies) {
    using namespace image::profile;
    HexView view;
    std::span<const std::uint8_t> codes(copies.profile);
    for (std::size_t k = 0; k < kButtons; ++k) {
        view.key_mode1[k] = function_code_hex(codes.subspan(kKeyMode1 + kCodeSize * k).first<3>());
        view.key_mode2[k] = function_code_hex(codes.subspan(kKeyMode2 + kCodeSize * k).first<3>());
    }
    return view;
}

}  // namespace krvm
