// Builds the three embedded default images "KRVM640Data_Cfg1" to "KRVM640Data_Cfg3", byte for
// byte, into the folder given as its argument. The build runs it and embeds its output.
//
// The images share every settings byte and reserved marker; preset 2 and 3 select key mode 2,
// and each preset carries its own ten recoil-compensation fire macros.
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/common/checksum.h"
#include "core/config/image_layout.h"

namespace {

using namespace krvm;
using namespace krvm::image;
using Image = std::array<std::uint8_t, kImageSize>;

void put(Image& image, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t byte : bytes) image[offset++] = byte;
}

void seal(Image& image, std::size_t offset, std::size_t size) {
    seal_checksum(std::span<std::uint8_t>(image).subspan(offset, size));
}

// One recoil step of a fire macro: repeat `count` times { left press, left release, move X and
// Y, wait `delay` x 8 ms }. The record runs only while its button is held.
struct Recoil {
    std::uint8_t count_minus_1;
    std::int8_t x;
    std::int8_t y;
    std::uint8_t delay;
};

constexpr std::uint8_t kReleaseKeyStop = 0x01;
// Fire codes type: a macro that stops when its button is released.
constexpr std::uint8_t kStoppingFireCode = 0x0E;

void put_fire_record(Image& image, std::size_t n, const Recoil& recoil) {
    std::size_t offset = kFireBlockOffset + n * kFireRecordSize;
    const std::vector<std::uint8_t> events = {0xFD, recoil.count_minus_1,
                                              0xA1, 0x21,
                                              0xFB, static_cast<std::uint8_t>(recoil.x),
                                              0xFA, static_cast<std::uint8_t>(recoil.y),
                                              0xFE, recoil.delay,
                                              0xFC};
    image[offset] = kReleaseKeyStop;
    image[offset + 1] = static_cast<std::uint8_t>(events.size() + 1);
    for (std::size_t i = 0; i < events.size(); ++i) image[offset + 2 + i] = events[i];
    // The checksum covers the length byte and the events; the rest of the record stays 0.
    seal(image, offset + 1, events.size() + 2);
}

Image common_image() {
    Image image{};  // device macro area and script area: zero
    put(image, kParameterAOffset,
        {0x45, 0xFE, 0x06, 0x28, 0xFF, 0x00, 0x01, 0x04, 0x06, 0x07, 0x09, 0x0A,
         0x07, 0x01, 0x04, 0x03, 0x00, 0x02, 0x05, 0x06, 0xFF, 0x00, 0x7F, 0xFF,
         0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0xFF,
         0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF});
    seal(image, kParameterAOffset, kParameterASize);
    put(image, kParameterBOffset, {0x01, 0xFE, 0x42, 0xBD, 0x00, 0xFF, 0xFF, 0xFF});
    put(image, kReserved1Offset, {0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF});
    put(image, kProfileOffset,
        {0x01, 0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00, 0x01, 0x08, 0x00, 0x01, 0x10,
         0x00, 0x05, 0x00, 0x00, 0x07, 0x00, 0x00, 0x08, 0x00, 0x00, 0x06, 0x00, 0xF0, 0x01,
         0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00, 0x0D, 0x00, 0x00, 0x0C, 0x01, 0x01,
         0x0C, 0x02, 0x02, 0x0C, 0x03, 0x03, 0x0C, 0x02, 0x02, 0x0C, 0x06, 0x07});
    seal(image, kProfileOffset, kProfileSize);
    put(image, kReserved2Offset, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, kFileType});
    for (std::size_t n = 0; n < kFireMacroCount; ++n) {
        int address = kFireBlockOffset + 1 + kFireRecordSize * n;
        put(image, kFireCodesOffset + 3 * n,
            {kStoppingFireCode, static_cast<std::uint8_t>(address >> 8),
             static_cast<std::uint8_t>(address & 0xFF)});
        put(image, kYOffsetsOffset + 2 * n, {0x00, 0xFF});
    }
    for (std::size_t i = 0; i < kReserved3Size; ++i) image[kReserved3Offset + i] = 0xFF;
    image[0x0A8] = 0xFE;
    image[0x0AE] = 0xFD;
    for (std::size_t i = 0; i < kReserved4Size; ++i) image[kReserved4Offset + i] = 0xFF;
    image[0x0C6] = 0xFE;
    image[0x0CC] = 0xFD;
    put(image, kFireColoursOffset,
        {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF,
         0x00, 0xFF, 0xFF, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0x80, 0x00, 0xFF, 0x80, 0xFF, 0xFF, 0xFF});
    put(image, kReserved5Offset, {0xFF, 0xFF});
    // Rapid fire: repeat 3 times { left press, 24 ms, left release, 48 ms }.
    put(image, kFireKeyOffset, {0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x06, 0xFC});
    seal(image, kFireKeyOffset, kFireKeySize);
    put(image, kReserved6Offset, {0xFF, 0xFD, 0xFF, 0xFF, 0xFF});
    for (std::size_t i = kFireRecordsSize; i < kFireBlockSize; ++i) {
        image[kFireBlockOffset + i] = 0xFF;
    }
    return image;
}

// Ten recoil sequences per preset: preset 1 for PC games (8 ms steps, pull-down growing with
// the gun's recoil), presets 2 and 3 for mobile games mapped and played directly (slower steps,
// lighter pull-down).
constexpr std::array<std::array<Recoil, kFireMacroCount>, 3> kRecoils = {{
    {{{0xFF, 0, 4, 1},
      {0xFF, 0, 5, 1},
      {0xFF, 0, 4, 1},
      {0xFF, 0, 3, 1},
      {0xFF, 0, 4, 1},
      {0xFF, 0, 5, 1},
      {0xFF, 0, 6, 1},
      {0xFF, 0, 4, 1},
      {0xFF, 0, 5, 1},
      {0xFF, 0, 6, 1}}},
    {{{0xFF, 0, 3, 2},
      {0xFF, 0, 4, 2},
      {0xFF, 0, 3, 2},
      {0xFF, 0, 2, 2},
      {0xFF, 0, 3, 2},
      {0xFF, 0, 4, 2},
      {0xFF, 0, 5, 2},
      {0xFF, 0, 3, 2},
      {0xFF, 0, 4, 2},
      {0xFF, 0, 5, 2}}},
    {{{0xFF, 0, 2, 3},
      {0xFF, 0, 3, 3},
      {0xFF, 0, 2, 3},
      {0xFF, 0, 2, 3},
      {0xFF, 0, 2, 3},
      {0xFF, 0, 3, 3},
      {0xFF, 0, 4, 3},
      {0xFF, 0, 2, 3},
      {0xFF, 0, 3, 3},
      {0xFF, 0, 4, 3}}},
}};

Image preset(std::size_t index) {
    Image image = common_image();
    if (index > 0) put(image, kParameterBOffset + parameter_b::kKeyMode, {0x80, 0x7F});
    for (std::size_t n = 0; n < kFireMacroCount; ++n) put_fire_record(image, n, kRecoils[index][n]);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 1;
    }
    for (std::size_t index = 0; index < kRecoils.size(); ++index) {
        std::string path =
            std::string(argv[1]) + "/KRVM640Data_Cfg" + std::to_string(index + 1) + ".bin";
        Image image = preset(index);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        bool written = file && std::fwrite(image.data(), 1, image.size(), file) == image.size();
        if (file && std::fclose(file) != 0) written = false;
        if (!written) {
            std::perror(path.c_str());
            return 1;
        }
    }
    return 0;
}
