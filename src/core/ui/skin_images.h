// The skin images the window is painted with: every PNG the program embeds, with the pixel
// size the layout counts on. Backgrounds and page pictures exist once per language (prefix
// "L1_".."L3_"); button images come in states "_01" normal, "_02" hover, "_03" pressed.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace krvm {

struct SkinImage {
    std::string_view name;
    int width;
    int height;
};

// Every skin image, the loading animation strip included.
std::span<const SkinImage> skin_images();

// The size of the image `name`, compared without regard to case.
std::optional<SkinImage> skin_image(std::string_view name);

// "L<language>_<part>", e.g. language_image(2, "Back3") == "L2_Back3".
std::string language_image(int language, std::string_view part);

// The loading animation: kLoadingFrames frames of 200 x 192 side by side in "Loading".
inline constexpr int kLoadingFrames = 12;
inline constexpr int kLoadingFrameWidth = 200;
inline constexpr int kLoadingFrameHeight = 192;
inline constexpr int kLoadingFrameMs = 80;

}  // namespace krvm
