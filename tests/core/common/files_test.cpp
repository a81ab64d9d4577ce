#include "core/common/files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace krvm {
namespace {

TEST(Files, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
    auto dir =
        std::filesystem::temp_directory_path() / ("krvm640-files-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::vector<std::uint8_t> first(5000, 1), second{2, 3};
    ASSERT_TRUE(write_file_atomically(dir / "f.bin", first));
    ASSERT_TRUE(write_file_atomically(dir / "f.bin", second));
    EXPECT_EQ(*read_file(dir / "f.bin"), second);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    std::filesystem::remove_all(dir);
}

TEST(Files, ErrorsNameThePathAndTheReason) {
    auto missing = read_file("/nonexistent-krvm640/profile.bin");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().message.find("/nonexistent-krvm640/profile.bin"), std::string::npos);
    EXPECT_NE(missing.error().message.find("No such file"), std::string::npos);
    std::vector<std::uint8_t> bytes{1};
    Status written = write_file_atomically("/nonexistent-krvm640/profile.bin", bytes);
    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.error().message.find("profile.bin"), std::string::npos);
}

}  // namespace
}  // namespace krvm
