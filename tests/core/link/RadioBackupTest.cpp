#include "link/RadioBackup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/support/TempDir.h"

namespace tarn {
namespace {

// A backup is the only copy of what the radio held before a write: two backups saved in the same second
// (two radios, or one written twice) are both kept, each with its own image, in a folder made as needed.
TEST(RadioBackup, NeverReplacesAnEarlierBackup) {
    test::TempDir dir;
    const std::string folder = dir.File("tarn/backups");
    const std::time_t when = 1'800'000'000;
    std::vector<std::string> paths;
    for (std::uint8_t mark : {0x11, 0x22, 0x33}) {
        CloneImage image{};  // the same serial number each time
        image[0x100] = mark;
        const BackupResult backup = SaveRadioBackup(folder, image, when);
        ASSERT_TRUE(backup.saved) << backup.why;
        std::vector<unsigned char> expected(image.begin(), image.end());
        expected.resize(kImageFileSize, 0);  // a zero trailer
        EXPECT_EQ(test::ReadBytes(backup.path), expected) << backup.path;
        paths.push_back(backup.path);
    }
    EXPECT_EQ(paths[1], paths[0].substr(0, paths[0].size() - 4) + "-2.trn");
    EXPECT_EQ(paths[2], paths[0].substr(0, paths[0].size() - 4) + "-3.trn");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 3);
}

}  // namespace
}  // namespace tarn
