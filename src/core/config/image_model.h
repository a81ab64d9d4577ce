// The working image `DataBuf` and the page side's copies of it: the seven section copies the
// pages edit, the three large area buffers, and the hex view of the 18 button codes. Edits live
// in the copies; they reach `DataBuf` only when a write assembles it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/config/image_layout.h"

namespace krvm {

using DataBuf = std::array<std::uint8_t, image::kImageSize>;

struct SectionCopies {
    std::array<std::uint8_t, image::kParameterASize> parameter_a{};
    std::array<std::uint8_t, image::kParameterBSize> parameter_b{};
    std::array<std::uint8_t, image::kProfileSize> profile{};
    std::array<std::uint8_t, image::kFireCodesSize> fire_codes{};
    std::array<std::uint8_t, image::kYOffsetsSize> y_offsets{};
    std::array<std::uint8_t, image::kFireColoursSize> fire_colours{};
    std::array<std::uint8_t, image::kFireKeySize> fire_key{};

    bool operator==(const SectionCopies&) const = default;
};

using FireRecord = std::array<std::uint8_t, image::kFireRecordSize>;
using ScriptRecord = std::array<std::uint8_t, image::kScriptRecordSize>;

struct AreaBuffers {
    std::array<std::uint8_t, image::kDeviceMacrosSize> device_macros{};
    // The committed fire-macro block, written as a whole to 0x500.
    std::array<std::uint8_t, image::kFireBlockSize> fire_block{};
    // The working fire-macro records the fire page edits, split from the block after a read.
    std::array<FireRecord, image::kFireMacroCount> fire_records{};
    std::array<std::uint8_t, image::kScriptSize> script{};
    // The script page's own copies of the two script records, taken after an image read.
    std::array<ScriptRecord, 2> script_records{};
};

// The 2 x 9 button codes as six upper-case hex digits ("010100"), which the button editor uses.
struct HexView {
    std::array<std::string, image::profile::kButtons> key_mode1;
    std::array<std::string, image::profile::kButtons> key_mode2;

    bool operator==(const HexView&) const = default;
};

// Which section copies the checks had to replace by the built-in defaults.
struct CheckOutcome {
    bool parameter_a_repaired = false;
    bool parameter_b_repaired = false;
    bool profile_repaired = false;
    bool fire_key_repaired = false;
};

// How much of the script area a split takes: an image read also refreshes the script page's
// own record copies; a preset restore leaves the script buffers alone.
enum class ScriptSplit { none, area, area_and_records };

// `DataBuf` to the section copies, with the four section checks interleaved in their fixed
// order (A, B, Profile, then the fire tables and the Fire key).
CheckOutcome copy_sections_out(const DataBuf& data_buf, SectionCopies& copies);

// `DataBuf` to the area buffers; the fire-macro block is also split into its ten records.
void copy_areas_out(const DataBuf& data_buf, AreaBuffers& areas, ScriptSplit script);

// The write assembly, in its steps; an apply runs a hook between the parameters and the Profile.
// Parameter A checksum recomputed, then A and B into `DataBuf`.
void store_parameters(SectionCopies& copies, DataBuf& data_buf);
// Profile checksum recomputed, then the Profile into `DataBuf`.
void store_profile(SectionCopies& copies, DataBuf& data_buf);
// The three fire tables, then the Fire key with its checksum recomputed.
void store_fire_tables(SectionCopies& copies, DataBuf& data_buf);
// The device macro area, the fire-macro block and the script area.
void store_areas(const AreaBuffers& areas, DataBuf& data_buf);

// All of the above in order: the copies back into `DataBuf` with the three checksums recomputed.
void copy_sections_in(SectionCopies& copies, const AreaBuffers& areas, DataBuf& data_buf);

// The hex view built from the Profile copy.
HexView hex_view_of(const SectionCopies& copies);

// Six upper-case hex digits for a 3-byte function code.
std::string function_code_hex(std::span<const std::uint8_t, 3> code);

}  // namespace krvm
