// show FILE with names: button function names in the chosen language, device macros with their
// names and line lists, the Fire Key and fire macros as lines; messages from the language tables.
#include <gtest/gtest.h>

#include "cli/run_ctl.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>

#include "core/common/checksum.h"
#include "core/common/files.h"
#include "core/config/default_images.h"
#include "core/macros/macro_record.h"

namespace {

using namespace krvm;

using krvm::testing::Outcome;
using krvm::testing::run_ctl;

constexpr std::size_t kDeviceMacros = 0x100;
constexpr std::size_t kSlotSize = 0x100;
constexpr std::size_t kNameSize = 32;
constexpr std::size_t kProfile = 0x40;
constexpr std::size_t kProfileSize = 55;

// Slot n's name, UTF-16 with the high byte first.
void put_name(DataBuf& image, int slot, std::u16string_view name) {
    std::size_t at = kDeviceMacros + kSlotSize * (slot - 1);
    for (char16_t unit : name) {
        image[at++] = static_cast<std::uint8_t>(unit >> 8);
        image[at++] = static_cast<std::uint8_t>(unit & 0xFF);
    }
}

void put_record(DataBuf& image, int slot, const std::vector<std::string>& lines, bool stop) {
    auto record = MacroLinesToContent(lines, stop);
    ASSERT_TRUE(record.ok());
    std::copy(record->begin(), record->end(),
              image.begin() + kDeviceMacros + kSlotSize * (slot - 1) + kNameSize);
}

// Button k (1..9) of key mode 1, with the Profile checksum sealed again.
void put_code(DataBuf& image, int button, std::array<std::uint8_t, 3> code) {
    std::copy(code.begin(), code.end(), image.begin() + kProfile + 3 * (button - 1));
    seal_checksum(std::span<std::uint8_t>(image).subspan(kProfile, kProfileSize));
}

// Preset 1 with three device macros: "Burst" (slot 1, release key for stop) on button 4, a
// Chinese name on slot 2 with a damaged record on button 5, and a name with a line break.
DataBuf macro_fixture() {
    DataBuf image = *embedded_default_image(1);
    put_name(image, 1, u"Burst");
    put_record(image, 1, {"10", "1 LeftKey CODE:00A1", "0 80", "2 LeftKey CODE:0021"}, true);
    put_name(image, 2, u"\u8FDE\u53D1");  // 连发
    put_record(image, 2, {"00", "1 A CODE:8204", "2 A CODE:0204"}, false);
    image[kDeviceMacros + kSlotSize + kNameSize + 3] ^= 0x01;  // breaks slot 2's checksum
    put_name(image, 3, u"a\nb\"");
    // slot 4: a left press, then a byte that is no event, under a matching checksum
    std::size_t odd = kDeviceMacros + 3 * kSlotSize + kNameSize;
    const std::uint8_t events[] = {0x03, 0xA1, 0x99};
    std::copy(std::begin(events), std::end(events), image.begin() + odd + 1);
    image[odd + 4] = section_checksum(events);
    put_code(image, 4, {0x0E, 0x01, 0x21});
    put_code(image, 5, {0x06, 0x02, 0x21});
    return image;
}

struct Shown {
    const char* name;
    bool macros;            // the macro fixture instead of preset 1
    const char* arguments;  // after "show FILE"
    const char* expected;
};
std::ostream& operator<<(std::ostream& out, const Shown& c) {
    return out << c.name;
}

class ShowNames : public ::testing::TestWithParam<Shown> {
  protected:
    static void SetUpTestSuite() {
        dir_ = new std::filesystem::path(std::filesystem::temp_directory_path() /
                                         ("krvm640-cli-names-" + std::to_string(::getpid())));
        std::filesystem::create_directories(*dir_);
        ASSERT_TRUE(write_file_atomically(*dir_ / "preset1.bin", *embedded_default_image(1)));
        ASSERT_TRUE(write_file_atomically(*dir_ / "macros.bin", macro_fixture()));
    }
    static void TearDownTestSuite() {
        std::filesystem::remove_all(*dir_);
        delete dir_;
    }
    static std::filesystem::path* dir_;
};
std::filesystem::path* ShowNames::dir_ = nullptr;

TEST_P(ShowNames, PrintsTheNamesAndLines) {
    const Shown& c = GetParam();
    auto file = *dir_ / (c.macros ? "macros.bin" : "preset1.bin");
    Outcome outcome = run_ctl("show " + file.string() + " " + c.arguments);
    ASSERT_EQ(outcome.exit_code, 0) << outcome.output;
    EXPECT_NE(outcome.output.find(c.expected), std::string::npos) << outcome.output;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShowNames,
    ::testing::Values(
        Shown{"englishMode1", false, "--lang 3",
              "buttons, key mode 1 (Office Mode):\n"
              "  button 1: 010100 Left Key\n  button 2: 010400 Middle Key\n"
              "  button 3: 010200 Right Key\n  button 4: 010800 Back\n"
              "  button 5: 011000 Forward\n  button 6: 050000 DPI Loop\n"
              "  button 7: 070000 DPI +\n  button 8: 080000 DPI -\n"
              "  button 9: 0600F0 Fire Key\n"},
        Shown{"englishIsTheDefault", false, "", "  button 4: 0D0000 Gun Key Fn\n"},
        Shown{"gunPresetByName", false, "", "  button 9: 0C0607 5.56mm Fire\n"},
        Shown{"simplifiedChinese", false, "--lang 1",
              "buttons, key mode 1 (\xE5\x8A\x9E\xE5\x85\xAC\xE6\xA8\xA1\xE5\xBC\x8F):\n"
              "  button 1: 010100 \xE5\xB7\xA6\xE9\x94\xAE\n"},  // 办公模式, 左键
        Shown{"simplifiedChineseGun", false, "--lang 1",
              "  button 5: 0C0101 AKM\xE6\x9E\xAA\xE9\x94\xAE\n"},  // AKM枪键
        Shown{"traditionalChinese", false, "--lang 2",
              "  button 6: 050000 CPI\xE5\xBE\xAA\xE7\x92\xB0\n"},  // CPI循環
        Shown{"jsonButton", false, "--json",
              "\"mode1\":[{\"code\":\"010100\",\"name\":\"Left Key\"},"},
        Shown{"jsonFireKeyLines", false, "--json",
              "\"fire_key\":{\"count\":3,\"interval\":6,\"complete\":true,\"lines\":[\"10\",\"7 "
              "FD02\","
              "\"1 LeftKey CODE:00A1\",\"0 24\",\"2 LeftKey CODE:0021\",\"0 48\","
              "\"8 00FC\"]}"},
        Shown{"jsonEmptyDeviceMacro", false, "--json",
              "\"device_macros\":[{\"slot\":1,\"name\":\"\",\"content\":\"empty\","
              "\"release_key_stop\":null,\"complete\":true,\"lines\":[]},"},
        Shown{"jsonFireMacros", false, "--json",
              "\"fire_macros\":[[\"00\",\"7 FDFF\",\"1 LeftKey CODE:00A1\","},
        Shown{"jsonFireMacroSlot", false, "--json",
              "\"fire_macro_slots\":[{\"gun\":\"AKM Fire\",\"mode\":null,"},
        Shown{"jsonNamedMacro", true, "--json",
              "{\"slot\":1,\"name\":\"Burst\",\"content\":\"ok\",\"release_key_stop\":true,"
              "\"complete\":true,\"lines\":[\"10\",\"1 LeftKey CODE:00A1\",\"0 80\",\"2 LeftKey "
              "CODE:0021\"]}"},
        Shown{"jsonMacroButton", true, "--json", "{\"code\":\"0E0121\",\"name\":\"Burst\"}"},
        Shown{"jsonDamagedMacro", true, "--json",
              "{\"slot\":2,\"name\":\"\xE8\xBF\x9E\xE5\x8F\x91\",\"content\":\"damaged\","
              "\"release_key_stop\":null,\"complete\":true,\"lines\":[]}"},
        Shown{"jsonEscapedName", true, "--json", "\"name\":\"a\\u000Ab\\\"\""},
        Shown{"textNamedMacro", true, "",
              "device macro 1: \"Burst\", release key for stop\n    10\n"
              "    1 LeftKey CODE:00A1\n    0 80\n    2 LeftKey CODE:0021\n"},
        Shown{"jsonUnknownEvent", true, "--json",
              "{\"slot\":4,\"name\":\"\",\"content\":\"ok\",\"release_key_stop\":false,"
              "\"complete\":false,\"lines\":[\"00\",\"1 LeftKey CODE:00A1\"]}"},
        Shown{"textUnknownEvent", true, "",
              "    1 LeftKey CODE:00A1\n    (stops at an event byte without a line form)\n"},
        Shown{"textMacroButton", true, "--lang 1", "  button 5: 060221 \xE8\xBF\x9E\xE5\x8F\x91\n"},
        Shown{"textControlCharacterShownSafely", true, "", "device macro 3: \"a?b\"\", empty\n"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
