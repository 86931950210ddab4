#include "model/Document.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "core/support/RecordingPrompter.h"
#include "core/support/TempDir.h"
#include "model/ChannelTable.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"

namespace tarn {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class RecordingObserver : public DocumentObserver {
public:
    void RefreshAllViews() override { ++refreshes; }
    void TitleChanged(const std::string& title) override { titles.push_back(title); }
    void ChooseCommandTable() override { ++commandTables; }
    void AddRecentFile(const std::string& path) override { recent.push_back(path); }

    int refreshes = 0;
    int commandTables = 0;
    std::vector<std::string> titles;
    std::vector<std::string> recent;
};

// The default image as a file's bytes, with `mark` in an uninterpreted byte and `trailerMark` in the trailer.
std::vector<unsigned char> ImageFileBytes(std::uint8_t mark, std::uint8_t trailerMark = 0) {
    DocumentContent content;
    FillDefaultImage(content);
    EncodeImage(content);
    std::vector<unsigned char> bytes(content.Image.begin(), content.Image.end());
    bytes[4000] = mark;
    bytes.insert(bytes.end(), kTrailerSize, trailerMark);
    return bytes;
}

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() : cwd(work.path()) { document.SetObserver(&observer); }

    std::vector<std::string> Texts() const { return prompter.Texts(); }

    test::TempDir program;  // the folder of the executable
    test::TempDir work;     // the working folder
    test::WorkingFolder cwd;
    test::RecordingPrompter prompter;
    RecordingObserver observer;
    Document document{prompter, program.path()};
};

TEST_F(DocumentTest, NewDocumentWithoutDefaultFilesWritesTheBuiltInImageIntoTheWorkingFolder) {
    document.NewDocument();
    const auto bytes = ReadBytes(work.File("Tarnvhfa.trn"));
    ASSERT_EQ(bytes.size(), kImageFileSize);
    EXPECT_EQ(bytes[2], 0x3D);
    EXPECT_EQ(bytes[3], 0x27);
    for (std::size_t i = kImageSize; i < kImageFileSize; ++i) EXPECT_EQ(bytes[i], 0);
    EXPECT_EQ(document.CurrentFilePath(), "<none>");
    EXPECT_EQ(document.Title(), "<none>");
    EXPECT_EQ(observer.titles.back(), "<none>");
    EXPECT_EQ(observer.commandTables, 1);
    EXPECT_FALSE(document.DefaultImageLoaded());
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(document.Image()[2], 0x3D);
}

TEST_F(DocumentTest, StartUpNeverOverwritesAFileOfTheDefaultName) {
    WriteBytes(work.File("Tarnvhfa.trn"), {1, 2, 3});
    document.NewDocument();
    EXPECT_EQ(ReadBytes(work.File("Tarnvhfa.trn")), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_EQ(document.CurrentFilePath(), "<none>");
    EXPECT_EQ(document.Channels().Entries[0].RxFrequency, 118000000);
}

TEST_F(DocumentTest, NewDocumentLoadsTheFirstDefaultFileInSearchOrder) {
    WriteBytes(program.File("Tarnvhfc.trn"), ImageFileBytes(0xC1));
    WriteBytes(program.File("Tarnuhfa.trn"), ImageFileBytes(0xA2, 0x77));
    document.NewDocument();
    EXPECT_EQ(document.CurrentFilePath(), program.File("Tarnuhfa.trn"));
    EXPECT_EQ(observer.titles.back(), program.File("Tarnuhfa.trn"));
    EXPECT_TRUE(document.DefaultImageLoaded());
    EXPECT_EQ(document.Image()[4000], 0xA2);
    EXPECT_EQ(document.Trailer()[0], 0x77);
    EXPECT_FALSE(std::filesystem::exists(work.File("Tarnvhfa.trn")));
}

TEST_F(DocumentTest, SavingADefaultFileAsksFirst) {
    WriteBytes(program.File("Tarnvhfa.trn"), ImageFileBytes(0x01, 0x55));
    document.NewDocument();
    document.SetModified(true);
    document.Image()[4000] = 0x02;
    prompter.answers = {Answer::No};
    EXPECT_FALSE(document.Save());
    EXPECT_EQ(Texts(), std::vector<std::string>{"Do  you want to write default file?"});
    EXPECT_EQ(prompter.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(ReadBytes(program.File("Tarnvhfa.trn"))[4000], 0x01);
    EXPECT_TRUE(document.Modified());

    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(document.Save());
    const auto bytes = ReadBytes(program.File("Tarnvhfa.trn"));
    EXPECT_EQ(bytes[4000], 0x02);
    EXPECT_EQ(bytes[4096], 0x55);  // the trailer as it was read
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(observer.refreshes, 1);
}

TEST_F(DocumentTest, SaveAsKeepsTheWholeChosenPath) {
    document.NewDocument();
    const std::string folder = work.File(std::string(60, 'f'));
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/" + std::string(50, 'n') + ".trn";
    prompter.files = {path};
    document.SetModified(true);
    EXPECT_TRUE(document.SaveAs());
    EXPECT_EQ(document.CurrentFilePath(), path);
    EXPECT_EQ(ReadBytes(path).size(), kImageFileSize);
    EXPECT_FALSE(document.Modified());
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    const FileDialogRequest& request = prompter.fileRequests[0];
    EXPECT_EQ(request.filter, "Tarn Files(*.TRN)|*.TRN||");
    EXPECT_EQ(request.defaultExtension, "TRN");
    EXPECT_TRUE(request.promptOverwrite);
    EXPECT_TRUE(request.promptCreate);

    // Cancel changes nothing.
    EXPECT_FALSE(document.SaveAs());
    EXPECT_EQ(document.CurrentFilePath(), path);
}

TEST_F(DocumentTest, SavingAnUntiedDocumentRunsSaveAs) {
    document.NewDocument();
    std::filesystem::remove(work.File("Tarnvhfa.trn"));
    EXPECT_FALSE(document.Save());  // the dialog is cancelled
    EXPECT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(document.CurrentFilePath(), "<none>");
    EXPECT_FALSE(std::filesystem::exists(work.File("Tarnvhfa.trn")));
}

TEST_F(DocumentTest, SavingOverAReadOnlyFileIsRefused) {
    const std::string path = work.File("ro.trn");
    WriteBytes(path, ImageFileBytes(0x10));
    ::chmod(path.c_str(), 0444);
    document.NewDocument();
    prompter.shown.clear();
    document.SetCurrentFilePath(path);
    document.SetModified(true);
    EXPECT_FALSE(document.Save());
    EXPECT_EQ(Texts(), std::vector<std::string>{"The File's attribute is Read_Only.\r\nFile Name = " + path});
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(ReadBytes(path)[4000], 0x10);
}

TEST_F(DocumentTest, PromptSaveModifiedGoesOnOnlyWhenNothingIsLost) {
    document.NewDocument();
    EXPECT_TRUE(document.PromptSaveModified());  // not modified: no question
    EXPECT_TRUE(prompter.shown.empty());

    document.SetModified(true);
    prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(document.PromptSaveModified());
    EXPECT_EQ(Texts().back(), "Save changes to <none>?");
    EXPECT_TRUE(document.Modified());

    // Yes, but the Save As dialog is cancelled: the command is abandoned too.
    prompter.answers = {Answer::Yes};
    EXPECT_FALSE(document.PromptSaveModified());
    EXPECT_TRUE(document.Modified());

    // Yes, but the chosen file cannot be written.
    prompter.answers = {Answer::Yes};
    prompter.files = {work.File("missing/x.trn")};
    EXPECT_FALSE(document.PromptSaveModified());
    EXPECT_TRUE(document.Modified());

    prompter.answers = {Answer::Yes};
    prompter.files = {work.File("saved.trn")};
    EXPECT_TRUE(document.PromptSaveModified());
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(ReadBytes(work.File("saved.trn")).size(), kImageFileSize);

    document.SetModified(true);
    prompter.answers = {Answer::No};
    EXPECT_TRUE(document.PromptSaveModified());
    EXPECT_FALSE(document.Modified());
}

TEST_F(DocumentTest, FileNewReplacesTheDocumentUnlessCancelled) {
    const std::string path = work.File("a.trn");
    WriteBytes(path, ImageFileBytes(0x33));
    ASSERT_TRUE(document.OpenDocument(path));
    document.SetModified(true);
    prompter.answers = {Answer::Cancel};
    document.New();
    EXPECT_EQ(document.CurrentFilePath(), path);
    EXPECT_EQ(document.Image()[4000], 0x33);

    prompter.answers = {Answer::No};
    const int refreshes = observer.refreshes;
    document.New();
    EXPECT_EQ(document.CurrentFilePath(), "<none>");
    EXPECT_EQ(document.Image()[4000], 0);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(observer.refreshes, refreshes + 1);
}

TEST_F(DocumentTest, OpenRefusesFilesOfTheWrongSizeAndChangesNothing) {
    document.NewDocument();
    prompter.shown.clear();
    document.Channels().Entries[0].Scan = 1;
    document.SetModified(true);
    for (std::size_t size : {std::size_t{0}, std::size_t{4103}, std::size_t{4105}}) {
        const std::string path = work.File("size" + std::to_string(size) + ".trn");
        WriteBytes(path, std::vector<unsigned char>(size, 0x44));
        prompter.files = {path};
        document.Open();
    }
    prompter.files = {work.File("missing.trn")};
    document.Open();
    prompter.files = {work.path()};
    document.Open();
    const std::string wrongFormat = "The File cannot be Opened.\r\nThe File's format is invalid or not Supported";
    EXPECT_EQ(Texts(), (std::vector<std::string>{wrongFormat, wrongFormat, wrongFormat,
                                                 "Problem opening file\r\nFile Name = " + work.File("missing.trn"),
                                                 wrongFormat}));
    EXPECT_EQ(document.CurrentFilePath(), "<none>");
    EXPECT_EQ(document.Channels().Entries[0].Scan, 1u);
    EXPECT_TRUE(document.Modified());
    EXPECT_TRUE(prompter.fileRequests[0].mustExist);
}

TEST_F(DocumentTest, OpenLoadsAnyImageFileOfTheRightSize) {
    document.NewDocument();
    const std::string path = work.File("any.trn");
    std::vector<unsigned char> bytes(kImageFileSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 13);
    WriteBytes(path, bytes);
    prompter.files = {path};
    document.Open();
    EXPECT_EQ(document.CurrentFilePath(), path);
    EXPECT_TRUE(document.DefaultImageLoaded());
    EXPECT_EQ(observer.recent, std::vector<std::string>{path});
    EXPECT_EQ(document.Trailer()[7], bytes[4103]);
    EXPECT_TRUE(std::equal(document.Image().begin(), document.Image().begin() + 212, bytes.begin()));

    // Opening the same path again reloads it: the unsaved edit is gone after No.
    document.Channels().Entries[0].Scan = !document.Channels().Entries[0].Scan;
    document.Image()[4000] = 0x99;
    document.SetModified(true);
    prompter.answers = {Answer::No};
    prompter.files = {path};
    document.Open();
    EXPECT_EQ(document.Image()[4000], bytes[4000]);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(observer.recent.size(), 1u);
}

TEST_F(DocumentTest, AFailedReadLeavesTheDefaultsAndNamesTheFile) {
    document.NewDocument();
    const std::string path = work.File("short.trn");
    WriteBytes(path, std::vector<unsigned char>(100, 0x77));
    prompter.shown.clear();
    EXPECT_TRUE(document.OpenDocument(path));
    EXPECT_EQ(Texts(), std::vector<std::string>{"Problem reading from file\r\nFile Name = " + path});
    EXPECT_EQ(document.CurrentFilePath(), path);
    EXPECT_FALSE(document.DefaultImageLoaded());
    EXPECT_EQ(document.Image()[0], 0);
    EXPECT_EQ(document.Image()[2], 0);  // the default image, not yet encoded
    EXPECT_EQ(document.Image()[64], 0x0A);

    // A file that cannot be opened at all is refused before anything changes.
    prompter.shown.clear();
    EXPECT_FALSE(document.OpenDocument(work.File("gone.trn")));
    EXPECT_EQ(Texts(), std::vector<std::string>{"Problem opening file\r\nFile Name = " + work.File("gone.trn")});
    EXPECT_EQ(document.CurrentFilePath(), path);
}

}  // namespace
}  // namespace tarn
