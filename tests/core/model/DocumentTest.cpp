#include "model/Document.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
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
    void ChooseCommandTable() override {}
    void AddRecentFile(const std::string& path) override { recentFiles.push_back(path); }

    int refreshes = 0;
    std::vector<std::string> recentFiles;
    std::vector<std::string> titles;
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

    // Runs `step` with these answers to the questions and file dialogs; returns the texts it showed.
    std::vector<std::string> Told(const std::function<void()>& step, std::deque<Answer> answers = {},
                                  std::deque<std::optional<std::string>> files = {}) {
        prompter.shown.clear();
        prompter.answers = std::move(answers);
        prompter.files = std::move(files);
        step();
        return prompter.Texts();
    }
    // Opens a new file `name` holding the default image with `mark`, then marks the document modified.
    std::string OpenModified(const std::string& name, std::uint8_t mark) {
        const std::string path = work.File(name);
        WriteBytes(path, ImageFileBytes(mark));
        EXPECT_TRUE(document.OpenDocument(path));
        document.SetModified(true);
        return path;
    }
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

TEST_F(DocumentTest, NewDocumentWithoutDefaultFilesWritesTheBuiltInImageIntoTheWorkingFolderOnce) {
    EXPECT_TRUE(Told([&] { document.NewDocument(); }).empty());
    EXPECT_EQ(ReadBytes(work.File("Tarnvhfa.trn")), ImageFileBytes(0));
    EXPECT_EQ(State(), std::tuple("<none>", false, false));

    WriteBytes(work.File("Tarnvhfa.trn"), {1, 2, 3});
    document.NewDocument();
    EXPECT_EQ(ReadBytes(work.File("Tarnvhfa.trn")), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_EQ(State(), std::tuple("<none>", false, false));
}

TEST_F(DocumentTest, NewDocumentLoadsTheFirstDefaultFileWhichIsSavedOnlyAfterAskingAndKeepsItsTrailer) {
    WriteBytes(program.File("Tarnvhfc.trn"), ImageFileBytes(0xC1));
    const std::string path = program.File("Tarnuhfa.trn");
    WriteBytes(path, ImageFileBytes(0xA2, 0x77));
    document.NewDocument();
    EXPECT_EQ(State(), std::tuple(path, false, true));
    EXPECT_EQ(std::tie(document.Image()[4000], document.Trailer()[0]), std::tuple(0xA2, 0x77));
    EXPECT_FALSE(std::filesystem::exists(work.File("Tarnvhfa.trn")));

    document.SetModified(true);
    document.Image()[4000] = 0x02;
    EXPECT_EQ(Told([&] { EXPECT_FALSE(document.Save()); }, {Answer::No}).size(), 1u);
    EXPECT_EQ(std::tuple(ReadBytes(path)[4000], document.Modified()), std::tuple(0xA2, true));
    Told([&] { EXPECT_TRUE(document.Save()); }, {Answer::Yes});
    const auto bytes = ReadBytes(path);
    EXPECT_EQ(std::tie(bytes[4000], bytes[4096]), std::tuple(0x02, 0x77));
    EXPECT_EQ(std::tuple(document.Modified(), observer.refreshes), std::tuple(false, 1));
}

TEST_F(DocumentTest, SaveAsKeepsTheWholeChosenPathAndAReadOnlyFileIsRefused) {
    document.NewDocument();
    document.SetModified(true);
    const std::string folder = work.File(std::string(60, 'f'));
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/" + std::string(50, 'n') + ".trn";
    Told([&] { EXPECT_TRUE(document.SaveAs()); }, {}, {path});
    EXPECT_EQ(State(), std::tuple(path, false, false));
    EXPECT_EQ(ReadBytes(path).size(), kImageFileSize);

    const std::string readOnly = OpenModified("ro.trn", 0x10);
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_EQ(Told([&] { EXPECT_FALSE(document.Save()); }),
              std::vector<std::string>{"The File's attribute is Read_Only.\r\nFile Name = " + readOnly});
    EXPECT_EQ(std::tuple(document.Modified(), ReadBytes(readOnly)[4000]), std::tuple(true, 0x10));
}

TEST_F(DocumentTest, PromptSaveModifiedGoesOnOnlyWhenNothingIsLost) {
    document.NewDocument();
    EXPECT_TRUE(Told([&] { EXPECT_TRUE(document.PromptSaveModified()); }).empty());  // not modified
    document.SetModified(true);
    // Cancel; Yes with the Save As dialog cancelled; Yes with a file that cannot be written.
    const auto told = Told([&] { for (int i = 0; i < 3; ++i) EXPECT_FALSE(document.PromptSaveModified()) << i; },
                           {Answer::Cancel, Answer::Yes, Answer::Yes}, {std::nullopt, work.File("missing/x.trn")});
    EXPECT_EQ(std::tuple(told[0], told.size(), document.Modified()), std::tuple("Save changes to <none>?", 4u, true));

    Told([&] { EXPECT_TRUE(document.PromptSaveModified()); }, {Answer::Yes}, {work.File("saved.trn")});
    EXPECT_EQ(State(), std::tuple(work.File("saved.trn"), false, false));
    document.SetModified(true);
    Told([&] { EXPECT_TRUE(document.PromptSaveModified()); }, {Answer::No});
    EXPECT_FALSE(document.Modified());
}

TEST_F(DocumentTest, FileNewReplacesTheDocumentUnlessCancelled) {
    const std::string path = OpenModified("a.trn", 0x33);
    Told([&] { document.New(); }, {Answer::Cancel});
    EXPECT_EQ(std::tuple(State(), document.Image()[4000]), std::tuple(std::tuple(path, true, true), 0x33));
    Told([&] { document.New(); }, {Answer::No});
    EXPECT_EQ(std::tuple(State(), document.Image()[4000]), std::tuple(std::tuple("<none>", false, false), 0));
}

TEST_F(DocumentTest, OpenRefusesFilesOfTheWrongSizeAndChangesNothing) {
    document.NewDocument();
    document.Channels().Entries[0].Scan = 1;
    document.SetModified(true);
    // One byte short and one too many; what else cannot be opened is ImageFileTest's.
    std::deque<std::optional<std::string>> files{work.File("short.trn"), work.File("long.trn")};
    WriteBytes(*files[0], std::vector<unsigned char>(kImageFileSize - 1, 0x44));
    WriteBytes(*files[1], std::vector<unsigned char>(kImageFileSize + 1, 0x44));
    EXPECT_EQ(Told([&] { document.Open(); document.Open(); }, {}, files).size(), 2u);
    EXPECT_EQ(State(), std::tuple("<none>", true, false));
    EXPECT_EQ(document.Channels().Entries[0].Scan, 1u);
}

TEST_F(DocumentTest, OpenLoadsAnyImageFileOfTheRightSizeAndReloadsTheSamePath) {
    document.NewDocument();
    const std::string path = work.File("any.trn");
    std::vector<unsigned char> bytes(kImageFileSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 13);
    WriteBytes(path, bytes);
    Told([&] { document.Open(); }, {}, {path});
    EXPECT_EQ(State(), std::tuple(path, false, true));
    EXPECT_TRUE(std::equal(document.Image().begin(), document.Image().begin() + 212, bytes.begin()));

    // The unsaved edit is gone after No.
    document.Image()[4000] = 0x99;
    document.SetModified(true);
    Told([&] { document.Open(); }, {Answer::No}, {path});
    EXPECT_EQ(std::tuple(document.Image()[4000], document.Modified()), std::tuple(bytes[4000], false));
}

TEST_F(DocumentTest, AFailedReadLeavesTheDefaultsTiedToNoFile) {
    document.NewDocument();
    const std::string path = work.File("short.trn");
    WriteBytes(path, std::vector<unsigned char>(100, 0x77));
    EXPECT_EQ(Told([&] { EXPECT_TRUE(document.OpenDocument(path)); }),
              std::vector<std::string>{"Problem reading from file\r\nFile Name = " + path});
    // Save must not write the defaults over the damaged file: it asks for a new name instead.
    EXPECT_EQ(State(), std::tuple("<none>", false, false));
    EXPECT_TRUE(observer.recentFiles.empty());
    document.SetModified(true);
    Told([&] { EXPECT_FALSE(document.Save()); });
    EXPECT_EQ(std::tuple(ReadBytes(path).size(), prompter.fileRequests.size()), std::tuple(100u, 1u));

    // A file that cannot be opened at all is refused before anything changes.
    const std::string good = OpenModified("good.trn", 0x21);
    EXPECT_EQ(Told([&] { EXPECT_FALSE(document.OpenDocument(work.File("gone.trn"))); }),
              std::vector<std::string>{"Problem opening file\r\nFile Name = " + work.File("gone.trn")});
    EXPECT_EQ(State(), std::tuple(good, true, true));
}

TEST_F(DocumentTest, AFailedSaveAsKeepsThePathItHadBefore) {
    const std::string path = OpenModified("mine.trn", 0x12);
    const std::string unwritable = work.File("missing-folder/new.trn");
    Told([&] { EXPECT_FALSE(document.SaveAs()); }, {}, {unwritable});
    EXPECT_EQ(std::tuple(State(), observer.titles.back()), std::tuple(std::tuple(path, true, true), path));
    // Declining to write over a default file name writes nothing either.
    Told([&] { EXPECT_FALSE(document.SaveAs()); }, {Answer::No}, {work.File("TARNVHFA.TRN")});
    EXPECT_EQ(document.CurrentFilePath(), path);
}

}  // namespace
}  // namespace tarn
