// read, write, restore and show end to end against a simulated mouse kept in a file.
#include <gtest/gtest.h>

#include "cli/run_ctl.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>

#include "core/common/checksum.h"
#include "core/common/files.h"
#include "core/config/config_state.h"
#include "core/config/default_images.h"

namespace {

using namespace krvm;

using krvm::testing::Outcome;
using krvm::testing::run_ctl;

std::string hex_of(const DataBuf& image) {
    std::string text;
    char digits[3];
    for (std::uint8_t byte : image) {
        std::snprintf(digits, sizeof digits, "%02X", byte);
        text += digits;
    }
    return text;
}

class ImageCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("krvm640-cli-image-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string mouse(const std::string& options = "") const {
        return "--simulate=" + (dir / "m.bin").string() + " " + options + " ";
    }
    std::string path(const char* name) const { return (dir / name).string(); }
    DataBuf file(const char* name) const {
        auto bytes = read_file(dir / name);
        DataBuf image{};
        if (bytes && bytes->size() == image.size())
            std::copy(bytes->begin(), bytes->end(), image.begin());
        return image;
    }
    void put(const char* name, std::span<const std::uint8_t> bytes) const {
        ASSERT_TRUE(write_file_atomically(dir / name, bytes));
    }

    std::filesystem::path dir;
    DataBuf preset1 = *embedded_default_image(1);
};

TEST_F(ImageCommands, ReadSavesTheMousesImageAndShowDecodesIt) {
    Outcome read = run_ctl(mouse() + "read " + path("p.bin"));
    ASSERT_EQ(read.exit_code, 0) << read.output;
    EXPECT_EQ(file("p.bin"), preset1);
    Outcome shown = run_ctl("show " + path("p.bin") + " --json");
    ASSERT_EQ(shown.exit_code, 0) << shown.output;
    for (const char* part :
         {"\"checks\":{\"parameter_a\":\"ok\",\"parameter_b\":\"ok\",\"profile\":\"ok\",\"fire_"
          "key\":\"ok\"}",
          "\"identifier\":{\"manufacturer\":255,\"product\":255}", "\"key_mode\":1",
          "\"cpi\":{\"count\":6,\"values\":[800,1600,2400,3200,4800,6400,3200],\"current_level\":"
          "2}",
          "{\"code\":\"0600F0\",\"name\":\"Fire Key\"}]",
          "\"fire_key\":{\"count\":3,\"interval\":6,", "\"mcu_light_count\":11"}) {
        EXPECT_NE(shown.output.find(part), std::string::npos) << part << "\n" << shown.output;
    }
    EXPECT_NE(shown.output.find("\"image\":\"" + hex_of(preset1) + "\""), std::string::npos);
}

TEST_F(ImageCommands, ShowGivesTheImageAnApplyWouldWrite) {
    DataBuf blank;
    blank.fill(0xFF);
    put("blank.bin", blank);
    Outcome shown = run_ctl("show " + path("blank.bin") + " --json");
    ASSERT_EQ(shown.exit_code, 0) << shown.output;
    EXPECT_NE(shown.output.find("\"parameter_a\":\"repaired\""), std::string::npos) << shown.output;
    EXPECT_NE(shown.output.find("\"file_type\":\"wrong\""), std::string::npos);
    EXPECT_NE(shown.output.find("\"image\":\"" + hex_of(image_as_applied(blank)) + "\""),
              std::string::npos);
}

TEST_F(ImageCommands, RestorePreset2SetsKeyMode2) {
    Outcome restored = run_ctl(mouse() + "restore 2");
    ASSERT_EQ(restored.exit_code, 0) << restored.output;
    EXPECT_EQ(file("m.bin"), *embedded_default_image(2));
    Outcome shown = run_ctl(mouse() + "show --json");
    EXPECT_NE(shown.output.find("\"key_mode\":2"), std::string::npos) << shown.output;
}

TEST_F(ImageCommands, WriteWithAWrongTypeByteChangesNothing) {
    ASSERT_EQ(run_ctl(mouse() + "info").exit_code, 0);  // creates the mouse's file
    DataBuf profile = *embedded_default_image(3);
    profile[0x07F] = 0x97;
    put("p.bin", profile);
    Outcome written = run_ctl(mouse() + "write " + path("p.bin"));
    EXPECT_EQ(written.exit_code, 8);
    EXPECT_NE(written.output.find("KRVM640Data.bin file type error"), std::string::npos)
        << written.output;
    EXPECT_EQ(file("m.bin"), preset1);
}

TEST_F(ImageCommands, WrongTypeByteIsReportedInTheChosenLanguage) {
    ASSERT_EQ(run_ctl(mouse() + "info").exit_code, 0);
    DataBuf profile = preset1;
    profile[0x07F] = 0x97;
    put("p.bin", profile);
    Outcome written = run_ctl(mouse() + "--lang 1 write " + path("p.bin"));
    EXPECT_EQ(written.exit_code, 8);
    // "KRVM640Data.bin文件类型错误", LANG1's Str102
    EXPECT_NE(written.output.find("KRVM640Data.bin\xE6\x96\x87\xE4\xBB\xB6\xE7\xB1\xBB\xE5\x9E\x8B"
                                  "\xE9\x94\x99\xE8\xAF\xAF"),
              std::string::npos)
        << written.output;
}

TEST_F(ImageCommands, WriteThatDoesNotTakeSaysFail) {
    DataBuf profile = preset1;
    profile[0x005] = 9;  // breathing step, with the Parameter A checksum sealed again
    seal_checksum(std::span<std::uint8_t>(profile).first(48));
    put("p.bin", profile);
    Outcome written = run_ctl(mouse("--sim-option drop-writes=5-5") + "write " + path("p.bin"));
    EXPECT_EQ(written.exit_code, 9);
    EXPECT_NE(written.output.find("Fail"), std::string::npos) << written.output;
    Outcome clean = run_ctl(mouse() + "write " + path("p.bin"));
    EXPECT_EQ(clean.exit_code, 0) << clean.output;
    EXPECT_EQ(file("m.bin"), profile);
}

struct Refusal {
    const char* name;
    const char* arguments;  // after the mouse options
    int exit_code;
    const char* message;
};
std::ostream& operator<<(std::ostream& out, const Refusal& r) {
    return out << r.arguments;
}

class ImageRefusals : public ImageCommands, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ImageRefusals, ExitWithTheirCode) {
    Outcome outcome = run_ctl(mouse() + GetParam().arguments);
    EXPECT_EQ(outcome.exit_code, GetParam().exit_code) << outcome.output;
    EXPECT_NE(outcome.output.find(GetParam().message), std::string::npos) << outcome.output;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageRefusals,
    ::testing::Values(
        Refusal{"badPreset", "restore 4", 1, "restore takes 1, 2, 3 or builtin"},
        Refusal{"badLanguage", "--lang 4 info", 1, "--lang takes 1, 2 or 3"},
        Refusal{"readWithoutFile", "read", 1, "wrong number of arguments"},
        Refusal{"type144", "--sim-option type=0x35 read x.bin", 4, "Finding the specified device"},
        Refusal{"silent", "--sim-option answer=never show", 3, "did not answer"},
        Refusal{"missingProfile", "write /nonexistent/p.bin", 6, "No such file or directory"},
        Refusal{"unwritableProfile", "read /nonexistent/p.bin", 6, "No such file or directory"}),
    [](const auto& info) { return info.param.name; });

TEST_F(ImageCommands, OtherIdentifierIsRefusedWithStr107) {
    DataBuf image = preset1;
    image[54] = 7;
    put("m.bin", image);
    Outcome outcome = run_ctl(mouse() + "read " + path("p.bin"));
    EXPECT_EQ(outcome.exit_code, 7);
    EXPECT_NE(outcome.output.find("The mouse manufacturer or product id error"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "p.bin"));
}

TEST(ShowFile, MissingFileIsAFileError) {
    Outcome outcome = run_ctl("show /nonexistent/p.bin");
    EXPECT_EQ(outcome.exit_code, 6);
    EXPECT_NE(outcome.output.find("/nonexistent/p.bin"), std::string::npos);
}

}  // namespace
