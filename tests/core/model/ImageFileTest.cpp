#include "model/ImageFile.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

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
    const std::string path = dir.File("a.trn");
    ASSERT_TRUE(WriteImageFile(path, image, trailer, prompter));
    const auto bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), kImageFileSize);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), bytes.begin()));
    EXPECT_EQ(bytes[4102], 0x0D);

    CloneImage readImage{};
    ImageTrailer readTrailer{};
    ASSERT_TRUE(ReadImageFile(path, readImage, readTrailer, prompter));
    EXPECT_EQ(readImage, image);
    EXPECT_EQ(readTrailer, trailer);
    EXPECT_TRUE(prompter.shown.empty());
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(ImageFileTest, AFailedReadChangesNothingAndSaysWhy) {
    image.fill(0xAA);
    trailer.fill(0xBB);
    const CloneImage imageBefore = image;
    EXPECT_FALSE(ReadImageFile(dir.File("missing.trn"), image, trailer, prompter));
    EXPECT_FALSE(ReadImageFile("", image, trailer, prompter));
    WriteBytes(dir.File("short.trn"), Pattern(4095));
    EXPECT_FALSE(ReadImageFile(dir.File("short.trn"), image, trailer, prompter));
    EXPECT_FALSE(ReadImageFile(dir.path(), image, trailer, prompter));
    EXPECT_EQ(image, imageBefore);
    EXPECT_EQ(trailer[0], 0xBB);

    ASSERT_EQ(prompter.shown.size(), 4u);
    EXPECT_TRUE(StartsWith(prompter.shown[0].text, "Problem opening file\r\nFile Name = " + dir.File("missing.trn")));
    EXPECT_EQ(prompter.shown[1].text, "Problem opening file\r\nFile Name = ");
    EXPECT_TRUE(StartsWith(prompter.shown[2].text, "Problem reading from file\r\nFile Name = " + dir.File("short.trn")));
    EXPECT_TRUE(StartsWith(prompter.shown[3].text, "Problem reading from file\r\nFile Name = " + dir.path()));
    for (const auto& s : prompter.shown) EXPECT_EQ(s.icon, MessageIcon::Stop);
}

TEST_F(ImageFileTest, ReadsWhatThereIsOfTheTrailer) {
    trailer.fill(0xBB);
    WriteBytes(dir.File("t.trn"), Pattern(4100));
    ASSERT_TRUE(ReadImageFile(dir.File("t.trn"), image, trailer, prompter));
    const auto bytes = Pattern(4100);
    EXPECT_EQ(trailer[3], bytes[4099]);
    EXPECT_EQ(trailer[4], 0xBB);
    // A longer file is read as its first 4104 bytes.
    WriteBytes(dir.File("long.trn"), Pattern(5000));
    ASSERT_TRUE(ReadImageFile(dir.File("long.trn"), image, trailer, prompter));
    EXPECT_EQ(trailer[7], Pattern(5000)[4103]);
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

TEST_F(ImageFileTest, RefusesToCreateOrReplaceWhatItCannotWrite) {
    EXPECT_FALSE(WriteImageFile(dir.File("no/such/folder.trn"), image, trailer, prompter));
    const std::string readOnly = dir.File("ro.trn");
    WriteBytes(readOnly, Pattern(10));
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_FALSE(WriteImageFile(readOnly, image, trailer, prompter));
    EXPECT_EQ(ReadBytes(readOnly), Pattern(10));
    EXPECT_FALSE(WriteImageFile(dir.path(), image, trailer, prompter));
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_TRUE(StartsWith(prompter.shown[0].text, "Problem opening file\r\n" + dir.File("no/such/folder.trn")));
    EXPECT_TRUE(StartsWith(prompter.shown[1].text, "Problem opening file\r\n" + readOnly));
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
    EXPECT_EQ(FileIsReadable(""), FileCheck::CannotOpen);
    EXPECT_EQ(FileIsReadable(dir.File("missing")), FileCheck::CannotOpen);
    EXPECT_EQ(FileIsReadable(dir.path()), FileCheck::CannotRead);
    WriteBytes(dir.File("empty"), {});
    EXPECT_EQ(FileIsReadable(dir.File("empty")), FileCheck::CannotRead);
    WriteBytes(dir.File("one"), {1});
    EXPECT_EQ(FileIsReadable(dir.File("one")), FileCheck::Ok);

    for (std::size_t size : {std::size_t{0}, std::size_t{4103}, std::size_t{4105}}) {
        WriteBytes(dir.File("s"), Pattern(size));
        EXPECT_EQ(CheckImageFile(dir.File("s"), kImageFileSize), FileCheck::WrongSize) << size;
    }
    WriteBytes(dir.File("s"), Pattern(kImageFileSize));
    EXPECT_EQ(CheckImageFile(dir.File("s"), kImageFileSize), FileCheck::Ok);
    EXPECT_EQ(CheckImageFile(dir.File("missing"), kImageFileSize), FileCheck::CannotOpen);

    EXPECT_TRUE(CheckFileWritable(dir.File("missing"), prompter));
    EXPECT_TRUE(CheckFileWritable(dir.File("s"), prompter));
    ::chmod(dir.File("s").c_str(), 0444);
    EXPECT_FALSE(CheckFileWritable(dir.File("s"), prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "The File's attribute is Read_Only.\r\nFile Name = " + dir.File("s"));
}

TEST(DefaultImageFiles, NamesAreComparedWithoutFolderOrCase) {
    EXPECT_TRUE(IsDefaultImageFileName("/any/where/TARNVHFA.TRN"));
    EXPECT_TRUE(IsDefaultImageFileName("tarnuhfd.trn"));
    EXPECT_TRUE(IsDefaultImageFileName("C:\\radio\\Tarnvhfc.trn"));
    EXPECT_FALSE(IsDefaultImageFileName("/x/Tarnuhff.trn"));  // never looked for
    EXPECT_FALSE(IsDefaultImageFileName("/x/Tarnvhfa.trn.bak"));
    EXPECT_FALSE(IsDefaultImageFileName("<none>"));
    EXPECT_EQ(DefaultImageFilePath("/opt/tarn", 2), "/opt/tarn/Tarnuhfa.trn");
    EXPECT_EQ(DefaultImageFilePath("/opt/tarn/", 0), "/opt/tarn/Tarnvhfa.trn");
}

}  // namespace
}  // namespace tarn
