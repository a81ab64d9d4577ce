#include "core/ui/skin_images.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace krvm {

namespace {

constexpr std::array kImages = std::to_array<SkinImage>({
    {"L1_BackGround", 1030, 662},
    {"L2_BackGround", 1030, 662},
    {"L3_BackGround", 1030, 662},
    {"L1_Back1", 600, 400},
    {"L2_Back1", 600, 400},
    {"L3_Back1", 600, 400},
    {"L1_Back2", 800, 374},
    {"L2_Back2", 800, 374},
    {"L3_Back2", 800, 374},
    {"L1_Back3", 800, 374},
    {"L2_Back3", 800, 374},
    {"L3_Back3", 800, 374},
    {"L1_Back4", 800, 374},
    {"L2_Back4", 800, 374},
    {"L3_Back4", 800, 374},
    {"L1_Back5", 720, 650},
    {"L2_Back5", 720, 650},
    {"L3_Back5", 720, 650},
    {"BtnS_01", 110, 27},
    {"BtnS_02", 110, 27},
    {"BtnS_03", 110, 27},
    {"SetS_01", 110, 30},
    {"SetS_02", 110, 30},
    {"SetS_03", 110, 30},
    {"ExitS_01", 20, 20},
    {"ExitS_02", 20, 20},
    {"ExitS_03", 20, 20},
    {"MiniS_01", 20, 20},
    {"MiniS_02", 20, 20},
    {"KeyS_01", 170, 27},
    {"KeyS_02", 170, 27},
    {"WebS_01", 200, 66},
    {"WebS_02", 200, 66},
    {"WebS_03", 200, 66},
    {"MacroS_01", 110, 27},
    {"MacroS_02", 110, 27},
    {"MacroS_03", 110, 27},
    {"MacroBtnS_01", 44, 27},
    {"MacroBtnS_02", 44, 27},
    {"MacroBtnS_03", 44, 27},
    {"Gun1_01", 120, 56},
    {"Gun2_01", 120, 56},
    {"Gun3_01", 120, 56},
    {"Gun4_01", 120, 56},
    {"Gun5_01", 120, 56},
    {"Gun6_01", 120, 56},
    {"Gun7_01", 120, 56},
    {"Gun1_02", 120, 56},
    {"Gun2_02", 120, 56},
    {"Gun3_02", 120, 56},
    {"Gun4_02", 120, 56},
    {"Gun5_02", 120, 56},
    {"Gun6_02", 120, 56},
    {"Gun7_02", 120, 56},
    {"GunMode1", 42, 42},
    {"GunMode2", 52, 52},
    {"GunMode3", 42, 42},
    {"GunMode4", 52, 52},
    {"GunMode5", 62, 62},
    {"CbS_D", 16, 16},
    {"CbS_E", 16, 16},
    {"RdS_D", 15, 15},
    {"RdS_E", 15, 15},
    {"Bar1_D", 26, 18},
    {"Bar1_E", 26, 18},
    {"Bar2_D", 20, 18},
    {"Bar2_E", 20, 18},
    {"Col_F", 32, 40},
    {"InsertDelayBase", 207, 162},
    {"InsertKeyBase", 207, 162},
    {"Msg", 1000, 660},
    {"Loading", kLoadingFrames* kLoadingFrameWidth, kLoadingFrameHeight},
});

bool same_name(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

std::span<const SkinImage> skin_images() {
    return kImages;
}

std::optional<SkinImage> skin_image(std::string_view name) {
    for (const SkinImage& image : kImages) {
        if (same_name(image.name, name)) return image;
    }
    return std::nullopt;
}

std::string language_image(int language, std::string_view part) {
    return "L" + std::to_string(language) + "_" + std::string(part);
}

}  // namespace krvm
