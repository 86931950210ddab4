#include "model/ImageFile.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "model/DefaultImageFiles.h"
#include "model/FileChecks.h"
#include "core/support/RecordingPrompter.h"
#include "core/support/TempDir.h"

namespace tarn {
namespace {

using test::ReadBytes;
using test::WriteBytes;

std::vector<unsigned char> Pattern(std::size_t size) {
    std::vector<unsigned char> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    return bytes;
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

class ImageFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::RecordingPrompter prompter;
    CloneImage image{};
    ImageTrailer trailer{};
};

TEST_F(ImageFileTest, WritesAndReadsTheImageAndTrailerByteForByte) {
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i ^ 0x5A);
    trailer = {1, 2, 3, 4, 5, 6, 0x0D, 0x0A};
    const std::string path = dir.File(std::string(250, 'x') + ".trn");  // the longest name a folder takes
    ASSERT_TRUE(WriteImageFile(path, image, trailer, prompter));
    const auto bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), kImageFileSize);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), bytes.begin()));
    CloneImage readImage{};
    ImageTrailer readTrailer{};
    ASSERT_TRUE(ReadImageFile(path, readImage, readTrailer, prompter));
    EXPECT_EQ(std::tie(readImage, readTrailer), std::tie(image, trailer));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary file left

    // What there is of the trailer is read; a longer file is read as its first 4104 bytes.
    trailer.fill(0xBB);
    WriteBytes(path, Pattern(4100));
    ASSERT_TRUE(ReadImageFile(path, image, trailer, prompter));
    EXPECT_EQ(std::tie(trailer[3], trailer[4]), std::tuple(Pattern(4100)[4099], 0xBB));
    WriteBytes(path, Pattern(5000));
    ASSERT_TRUE(ReadImageFile(path, image, trailer, prompter));
    EXPECT_EQ(trailer[7], Pattern(5000)[4103]);
}

TEST_F(ImageFileTest, AFailedReadChangesNothingAndSaysWhy) {
    image.fill(0xAA);
    trailer.fill(0xBB);
    for (const std::string& path : {std::string(), dir.path()}) {
        EXPECT_FALSE(ReadImageFile(path, image, trailer, prompter)) << path;
    }
    EXPECT_EQ(std::tie(image[0], trailer[0]), std::tuple(0xAA, 0xBB));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text, "Problem opening file\r\nFile Name = ");
    EXPECT_TRUE(StartsWith(prompter.shown[1].text, "Problem reading from file\r\nFile Name = " + dir.path()));
    for (const auto& shown : prompter.shown) EXPECT_EQ(shown.icon, MessageIcon::Stop);
}

TEST_F(ImageFileTest, AFailedWriteLeavesThePreviousFileWhole) {
    const std::string path = dir.File("keep.trn");
    WriteBytes(path, Pattern(kImageFileSize));
    image.fill(0x11);

    // Files may not grow past 1000 bytes: the write fails half way.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WriteImageFile(path, image, trailer, prompter);
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(path), Pattern(kImageFileSize));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(StartsWith(prompter.shown[0].text, "Problem writing to file"));
}

TEST_F(ImageFileTest, RefusesToReplaceWhatItCannotWrite) {
    const std::string readOnly = dir.File("ro.trn");
    WriteBytes(readOnly, Pattern(10));
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_FALSE(WriteImageFile(readOnly, image, trailer, prompter));
    EXPECT_EQ(ReadBytes(readOnly), Pattern(10));
    EXPECT_FALSE(WriteImageFile(dir.path(), image, trailer, prompter));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_TRUE(StartsWith(prompter.shown[0].text, "Problem opening file\r\n" + readOnly));
}

TEST_F(ImageFileTest, ReplacingAFileKeepsItsPermissionsAndLinks) {
    const std::string target = dir.File("target.trn");
    WriteBytes(target, Pattern(kImageFileSize));
    ::chmod(target.c_str(), 0640);
    const std::string link = dir.File("link.trn");
    std::filesystem::create_symlink(target, link);
    image.fill(0x22);
    ASSERT_TRUE(WriteImageFile(link, image, trailer, prompter));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(target)[0], 0x22);
    struct stat st {};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(ImageFileTest, FileChecksTellWhyAFileCannotBeOpened) {
    WriteBytes(dir.File("empty"), {});
    WriteBytes(dir.File("one"), {1});
    for (auto [path, check] : {std::pair{std::string(), FileCheck::CannotOpen}, {dir.File("missing"), FileCheck::CannotOpen},
                               {dir.path(), FileCheck::CannotRead}, {dir.File("empty"), FileCheck::CannotRead},
                               {dir.File("one"), FileCheck::Ok}}) {
        EXPECT_EQ(FileIsReadable(path), check) << path;
    }
}

TEST(DefaultImageFiles, NamesAreComparedWithoutFolderOrCase) {
    for (auto [path, isDefault] : {std::pair{"/any/where/TARNVHFA.TRN", true}, {"tarnuhfd.trn", true},
                                   {"C:\\radio\\Tarnvhfc.trn", true}, {"/x/Tarnuhff.trn", false},  // never looked for
                                   {"/x/Tarnvhfa.trn.bak", false}, {"<none>", false}}) {
        EXPECT_EQ(IsDefaultImageFileName(path), isDefault) << path;
    }
}

}  // namespace
}  // namespace tarn
