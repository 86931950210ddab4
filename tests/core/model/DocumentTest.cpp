#include "model/Document.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

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
    // Path, Modified, DefaultImageLoaded.
    std::tuple<std::string, bool, bool> State() const {
        return {document.CurrentFilePath(), document.Modified(), document.DefaultImageLoaded()};
    }

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
    EXPECT_EQ(std::tie(bytes[2], bytes[3]), std::tuple(0x3D, 0x27));
    EXPECT_EQ(std::vector(bytes.begin() + kImageSize, bytes.end()), std::vector<unsigned char>(kTrailerSize, 0));
    EXPECT_EQ(State(), std::tuple("<none>", false, false));
    EXPECT_EQ(std::tie(observer.titles.back(), observer.commandTables), std::tuple("<none>", 1));
    EXPECT_TRUE(prompter.shown.empty());

    // Start-up never overwrites a file of that name.
    WriteBytes(work.File("Tarnvhfa.trn"), {1, 2, 3});
    document.NewDocument();
    EXPECT_EQ(ReadBytes(work.File("Tarnvhfa.trn")), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_EQ(State(), std::tuple("<none>", false, false));
}

TEST_F(DocumentTest, NewDocumentLoadsTheFirstDefaultFileInSearchOrder) {
    WriteBytes(program.File("Tarnvhfc.trn"), ImageFileBytes(0xC1));
    WriteBytes(program.File("Tarnuhfa.trn"), ImageFileBytes(0xA2, 0x77));
    document.NewDocument();
    EXPECT_EQ(State(), std::tuple(program.File("Tarnuhfa.trn"), false, true));
    EXPECT_EQ(observer.titles.back(), program.File("Tarnuhfa.trn"));
    EXPECT_EQ(std::tie(document.Image()[4000], document.Trailer()[0]), std::tuple(0xA2, 0x77));
    EXPECT_FALSE(std::filesystem::exists(work.File("Tarnvhfa.trn")));
}

TEST_F(DocumentTest, SavingADefaultFileAsksFirstAndKeepsTheTrailer) {
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
    EXPECT_EQ(std::tie(bytes[4000], bytes[4096]), std::tuple(0x02, 0x55));
    EXPECT_EQ(std::tuple(document.Modified(), observer.refreshes), std::tuple(false, 1));
}

TEST_F(DocumentTest, SaveAsKeepsTheWholeChosenPath) {
    document.NewDocument();
    std::filesystem::remove(work.File("Tarnvhfa.trn"));
    document.SetModified(true);
    EXPECT_FALSE(document.Save());  // untied: Save runs Save As, whose dialog is cancelled
    EXPECT_EQ(State(), std::tuple("<none>", true, false));

    const std::string folder = work.File(std::string(60, 'f'));
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/" + std::string(50, 'n') + ".trn";
    prompter.files = {path};
    EXPECT_TRUE(document.SaveAs());
    EXPECT_EQ(State(), std::tuple(path, false, false));
    EXPECT_EQ(ReadBytes(path).size(), kImageFileSize);
    const FileDialogRequest& request = prompter.fileRequests.back();
    EXPECT_EQ(request.filter + request.defaultExtension, "Tarn Files(*.TRN)|*.TRN||TRN");
    EXPECT_TRUE(request.promptOverwrite && request.promptCreate);
}

TEST_F(DocumentTest, SavingOverAReadOnlyFileIsRefused) {
    const std::string path = work.File("ro.trn");
    WriteBytes(path, ImageFileBytes(0x10));
    ::chmod(path.c_str(), 0444);
    ASSERT_TRUE(document.OpenDocument(path));
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
    // Cancel; Yes with the Save As dialog cancelled; Yes with a file that cannot be written.
    prompter.answers = {Answer::Cancel, Answer::Yes, Answer::Yes};
    prompter.files = {std::nullopt, work.File("missing/x.trn")};
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(document.PromptSaveModified()) << i;
    EXPECT_EQ(Texts()[0], "Save changes to <none>?");
    EXPECT_TRUE(document.Modified());

    prompter.answers = {Answer::Yes};
    prompter.files = {work.File("saved.trn")};
    EXPECT_TRUE(document.PromptSaveModified());
    EXPECT_EQ(State(), std::tuple(work.File("saved.trn"), false, false));
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
    prompter.answers = {Answer::Cancel, Answer::No};
    document.New();
    EXPECT_EQ(State(), std::tuple(path, true, true));
    EXPECT_EQ(document.Image()[4000], 0x33);
    const int refreshes = observer.refreshes;
    document.New();
    EXPECT_EQ(State(), std::tuple("<none>", false, false));
    EXPECT_EQ(std::tie(document.Image()[4000], observer.refreshes), std::tuple(0, refreshes + 1));
}

TEST_F(DocumentTest, OpenRefusesFilesOfTheWrongSizeAndChangesNothing) {
    document.NewDocument();
    prompter.shown.clear();
    document.Channels().Entries[0].Scan = 1;
    document.SetModified(true);
    for (std::size_t size : {0, 4103, 4105}) {
        prompter.files.push_back(work.File("size" + std::to_string(size) + ".trn"));
        WriteBytes(*prompter.files.back(), std::vector<unsigned char>(size, 0x44));
    }
    prompter.files.push_back(work.File("missing.trn"));
    prompter.files.push_back(work.path());
    for (int i = 0; i < 5; ++i) document.Open();
    const std::string wrongFormat = "The File cannot be Opened.\r\nThe File's format is invalid or not Supported";
    EXPECT_EQ(Texts(), (std::vector<std::string>{wrongFormat, wrongFormat, wrongFormat,
                                                 "Problem opening file\r\nFile Name = " + work.File("missing.trn"),
                                                 wrongFormat}));
    EXPECT_EQ(State(), std::tuple("<none>", true, false));
    EXPECT_EQ(document.Channels().Entries[0].Scan, 1u);
    EXPECT_TRUE(prompter.fileRequests[0].mustExist);
}

TEST_F(DocumentTest, OpenLoadsAnyImageFileOfTheRightSizeAndReloadsTheSamePath) {
    document.NewDocument();
    const std::string path = work.File("any.trn");
    std::vector<unsigned char> bytes(kImageFileSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 13);
    WriteBytes(path, bytes);
    prompter.files = {path, path};
    document.Open();
    EXPECT_EQ(State(), std::tuple(path, false, true));
    EXPECT_EQ(observer.recent, std::vector<std::string>{path});
    EXPECT_EQ(document.Trailer()[7], bytes[4103]);
    EXPECT_TRUE(std::equal(document.Image().begin(), document.Image().begin() + 212, bytes.begin()));

    // The unsaved edit is gone after No.
    document.Image()[4000] = 0x99;
    document.SetModified(true);
    prompter.answers = {Answer::No};
    document.Open();
    EXPECT_EQ(std::tuple(document.Image()[4000], document.Modified()), std::tuple(bytes[4000], false));
    EXPECT_EQ(observer.recent.size(), 1u);
}

TEST_F(DocumentTest, AFailedReadLeavesTheDefaultsAndNamesTheFile) {
    document.NewDocument();
    const std::string path = work.File("short.trn");
    WriteBytes(path, std::vector<unsigned char>(100, 0x77));
    EXPECT_TRUE(document.OpenDocument(path));
    EXPECT_EQ(Texts(), std::vector<std::string>{"Problem reading from file\r\nFile Name = " + path});
    EXPECT_EQ(State(), std::tuple(path, false, false));
    // The default image, not yet encoded.
    EXPECT_EQ(std::tie(document.Image()[0], document.Image()[2], document.Image()[64]), std::tuple(0, 0, 0x0A));

    // A file that cannot be opened at all is refused before anything changes.
    EXPECT_FALSE(document.OpenDocument(work.File("gone.trn")));
    EXPECT_EQ(Texts().back(), "Problem opening file\r\nFile Name = " + work.File("gone.trn"));
    EXPECT_EQ(document.CurrentFilePath(), path);
}

}  // namespace
}  // namespace tarn
