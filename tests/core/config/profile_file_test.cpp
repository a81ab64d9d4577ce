// Profile files: saving and loading the image through the cycle, the file type byte, short files
// and files that cannot be read or written.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/common/files.h"
#include "core/config/cycle_fixture.h"
#include "core/config/default_images.h"

namespace krvm {
namespace {

using namespace image;
using testing::command_order;

class ProfileTest : public testing::CycleTest {
  protected:
    void SetUp() override {
        CycleTest::SetUp();
        dir = std::filesystem::temp_directory_path() /
              ("krvm640-profile-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void write(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
        ASSERT_TRUE(write_file_atomically(path, bytes));
    }

    std::filesystem::path dir;
};

TEST(ProfileFilePath, AppendsBinEvenToABinName) {
    EXPECT_EQ(profile_file_path("/home/u/game"), "/home/u/game.bin");
    EXPECT_EQ(profile_file_path("/home/u/game.bin"), "/home/u/game.bin.bin");
}

TEST_F(ProfileTest, SaveThenLoadWritesTheSameImageBack) {
    open_for_read();
    cycle.Btn_Read();
    DataBuf original = cycle.state().data_buf;
    ASSERT_TRUE(cycle.save_profile_file(dir / "p.bin"));
    EXPECT_EQ(*read_file(dir / "p.bin"),
              std::vector<std::uint8_t>(original.begin(), original.end()));

    cycle.state().data_buf.fill(0);  // whatever the pages hold now is replaced
    log.clear();
    auto applied = cycle.load_profile_file(dir / "p.bin");
    EXPECT_EQ(applied.outcome, ProfileLoad::Outcome::loaded);
    EXPECT_EQ(applied.verification, Verification::matched);
    EXPECT_EQ(cycle.state().data_buf, original);
    EXPECT_EQ(mouse->eeprom(), original);
    EXPECT_EQ(command_order(log),
              "Begin Status WriteSetup WritePiece*342 Reload End Begin Status ReadSetup "
              "ReadPiece*43 Reload End");
}

struct FileCase {
    const char* name;
    std::size_t size;        // bytes of the file
    std::uint8_t type_byte;  // at 0x07F, when the file reaches it
    ProfileLoad::Outcome outcome;
};
std::ostream& operator<<(std::ostream& out, const FileCase& c) {
    return out << c.name;
}

class ProfileFiles : public ProfileTest, public ::testing::WithParamInterface<FileCase> {};

// The file is preset 2 cut to `size` bytes; the tool holds preset 1.
TEST_P(ProfileFiles, AreJudgedByTheTypeByteOfTheLoadBuffer) {
    const FileCase& c = GetParam();
    ASSERT_TRUE(cycle.load_no_device_image());
    DataBuf file_image = *embedded_default_image(2);
    file_image[kFileTypeOffset] = c.type_byte;
    write(dir / "p.bin", std::span<const std::uint8_t>(file_image).first(c.size));
    DataBuf before = cycle.state().data_buf;
    Eeprom mouse_before = mouse->eeprom();
    host.calls.clear();

    auto applied = cycle.load_profile_file(dir / "p.bin");
    EXPECT_EQ(applied.outcome, c.outcome);
    if (c.outcome == ProfileLoad::Outcome::wrong_file_type) {
        EXPECT_EQ(host.calls, std::vector<std::string>{"message Str102"});
        EXPECT_EQ(cycle.state().data_buf, before);
        EXPECT_EQ(mouse->eeprom(), mouse_before);
        EXPECT_TRUE(log.empty());
        return;
    }
    DataBuf expected = before;
    std::copy_n(file_image.begin(), std::min(c.size, kImageSize), expected.begin());
    EXPECT_EQ(cycle.state().data_buf, expected);
    EXPECT_EQ(mouse->eeprom(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProfileFiles,
    ::testing::Values(FileCase{"whole", 2048, 0x98, ProfileLoad::Outcome::loaded},
                      FileCase{"wrongType", 2048, 0x97, ProfileLoad::Outcome::wrong_file_type},
                      FileCase{"blankMouseSave", 2048, 0xFF, ProfileLoad::Outcome::wrong_file_type},
                      FileCase{"shortWithTypeByte", 200, 0x98, ProfileLoad::Outcome::loaded},
                      FileCase{"shortWrongType", 200, 0x00, ProfileLoad::Outcome::wrong_file_type},
                      FileCase{"shorterThanTypeByte", 100, 0x00, ProfileLoad::Outcome::loaded},
                      FileCase{"empty", 0, 0x00, ProfileLoad::Outcome::loaded}),
    [](const auto& info) { return info.param.name; });

TEST_F(ProfileTest, LongerFileGivesItsFirst2048Bytes) {
    DataBuf image = *embedded_default_image(3);
    std::vector<std::uint8_t> bytes(image.begin(), image.end());
    bytes.resize(5000, 0x11);
    write(dir / "p.bin", bytes);
    ASSERT_TRUE(cycle.load_no_device_image());
    EXPECT_EQ(cycle.load_profile_file(dir / "p.bin").outcome, ProfileLoad::Outcome::loaded);
    EXPECT_EQ(mouse->eeprom(), image);
}

TEST_F(ProfileTest, MissingFileShowsTheSystemsReasonAndChangesNothing) {
    ASSERT_TRUE(cycle.load_no_device_image());
    host.calls.clear();
    auto applied = cycle.load_profile_file(dir / "missing.bin");
    EXPECT_EQ(applied.outcome, ProfileLoad::Outcome::unreadable);
    ASSERT_EQ(host.calls.size(), 1u);
    EXPECT_NE(host.calls[0].find("missing.bin: No such file or directory"), std::string::npos)
        << host.calls[0];
    EXPECT_EQ(cycle.state().data_buf, *embedded_default_image(1));
    EXPECT_TRUE(log.empty());
}

TEST_F(ProfileTest, UnwritableFolderShowsTheSystemsReason) {
    ASSERT_TRUE(cycle.load_no_device_image());
    host.calls.clear();
    EXPECT_FALSE(cycle.save_profile_file(dir / "no-such-folder" / "p.bin"));
    ASSERT_EQ(host.calls.size(), 1u);
    EXPECT_NE(host.calls[0].find("No such file or directory"), std::string::npos) << host.calls[0];
}

}  // namespace
}  // namespace krvm
