#include "model/ImageFile.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "model/DefaultImageFiles.h"
#include "model/FileChecks.h"
#include "core/support/FilledFifo.h"
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
    WriteBytes(dir.File("short"), Pattern(100));
    for (const std::string& path : {std::string(), dir.File("short")}) {
        EXPECT_FALSE(ReadImageFile(path, image, trailer, prompter)) << path;
    }
    EXPECT_EQ(std::tie(image[0], trailer[0]), std::tuple(0xAA, 0xBB));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text, "Problem opening file\r\nFile Name = ");
    EXPECT_EQ(prompter.shown[1].text, "Problem reading from file\r\nFile Name = " + dir.File("short"));
    for (const auto& shown : prompter.shown) EXPECT_EQ(shown.icon, MessageIcon::Stop);
}

// A pipe would hang the program and a device feed it endless bytes: only regular files are image files.
TEST_F(ImageFileTest, ReadersRefuseWhatIsNotARegularFile) {
    const test::FilledFifo fifo(dir.File("fifo"), kImageFileSize);
    for (const std::string& path : {dir.File("fifo"), std::string("/dev/zero"), dir.path()}) {
        prompter.shown.clear();
        EXPECT_FALSE(ReadImageFile(path, image, trailer, prompter)) << path;
        ASSERT_EQ(prompter.shown.size(), 1u) << path;
        EXPECT_TRUE(StartsWith(prompter.shown[0].text, "Problem opening file\r\nFile Name = " + path)) << path;
        EXPECT_EQ(FileIsReadable(path), FileCheck::CannotOpen) << path;
        EXPECT_EQ(CheckImageFile(path, kImageFileSize), FileCheck::CannotOpen) << path;
    }
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

// Nothing but a writable regular file is replaced: not a read-only file, a folder, or a pipe or device,
// which a rename would turn into a regular file.
TEST_F(ImageFileTest, RefusesToReplaceWhatItCannotWrite) {
    const std::string readOnly = dir.File("ro.trn");
    WriteBytes(readOnly, Pattern(10));
    ::chmod(readOnly.c_str(), 0444);
    const std::string fifo = dir.File("fifo.trn");
    ::mkfifo(fifo.c_str(), 0666);
    for (auto [path, reason] : {std::pair{readOnly, "Permission denied"}, {dir.path(), "Is a directory"},
                                {fifo, "Not a regular file"}}) {
        prompter.shown.clear();
        EXPECT_FALSE(CheckImageFileToWrite(path, prompter)) << path;
        EXPECT_FALSE(WriteImageFile(path, image, trailer, prompter)) << path;
        ASSERT_EQ(prompter.shown.size(), 2u) << path;
        EXPECT_EQ(prompter.shown[1].text, "Problem opening file\r\n" + path + "\r\n(" + reason + ")");
    }
    EXPECT_EQ(ReadBytes(readOnly), Pattern(10));
    EXPECT_EQ(std::filesystem::status(fifo).type(), std::filesystem::file_type::fifo);
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

    // A link to a file not made yet makes that file, through a chain of links relative to their folders.
    std::filesystem::create_directory(dir.File("sub"));
    std::filesystem::create_symlink("new.trn", dir.File("sub/dangling.trn"));
    std::filesystem::create_symlink("sub/dangling.trn", dir.File("chain.trn"));
    ASSERT_TRUE(WriteImageFile(dir.File("chain.trn"), image, trailer, prompter));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("chain.trn")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("sub/dangling.trn")));
    EXPECT_EQ(ReadBytes(dir.File("sub/new.trn")).size(), kImageFileSize);
}

// A save by root or by a member of the file's group must not take the file away from its owner.
TEST_F(ImageFileTest, ReplacingAFileKeepsItsOwnerAndGroup) {
    const std::string path = dir.File("owned.trn");
    WriteBytes(path, Pattern(kImageFileSize));
    if (::chown(path.c_str(), 4321, 4322) != 0) GTEST_SKIP() << "giving a file away needs root";
    ASSERT_TRUE(WriteImageFile(path, image, trailer, prompter));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(std::tuple(st.st_uid, st.st_gid), std::tuple(4321u, 4322u));
    EXPECT_EQ(ReadBytes(path)[0], image[0]);
}

// A folder the user may not write, holding a file the user may write: the file is written in place.
TEST_F(ImageFileTest, SavesInPlaceWhereTheFolderTakesNoNewFile) {
    const std::string path = dir.File("shared.trn");
    WriteBytes(path, Pattern(kImageFileSize));
    ::chmod(path.c_str(), 0666);
    ::chmod(dir.path().c_str(), 0555);
    image.fill(0x33);
    const pid_t child = ::fork();
    if (child == 0) {
        // Root writes any folder: the save runs as an ordinary user.
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        const bool saved = CheckImageFileToWrite(path, prompter) && WriteImageFile(path, image, trailer, prompter);
        ::_exit(saved && prompter.shown.empty() ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(ReadBytes(path)[0], 0x33);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Killed while writing, a save leaves the previous file whole and no temporary beside it; one left by an
// older save that was killed is removed by the next save.
TEST_F(ImageFileTest, ASaveKilledMidWriteLeavesNothingBehind) {
    const std::string path = dir.File("keep.trn");
    WriteBytes(path, Pattern(kImageFileSize));
    const pid_t child = ::fork();
    if (child == 0) {
        struct rlimit small {1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::signal(SIGXFSZ, SIG_DFL);
        WriteImageFile(path, image, trailer, prompter);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    EXPECT_EQ(ReadBytes(path), Pattern(kImageFileSize));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    const std::string stale = dir.File(".tarn-save-" + std::to_string(child) + "-0");
    WriteBytes(stale, Pattern(10));
    ASSERT_TRUE(WriteImageFile(path, image, trailer, prompter));
    EXPECT_FALSE(std::filesystem::exists(stale));
}

TEST_F(ImageFileTest, FileChecksTellWhyAFileCannotBeOpened) {
    WriteBytes(dir.File("empty"), {});
    WriteBytes(dir.File("one"), {1});
    for (auto [path, check] : {std::pair{dir.File("missing"), FileCheck::CannotOpen}, {dir.File("empty"), FileCheck::CannotRead},
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
