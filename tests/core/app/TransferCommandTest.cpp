#include "app/TransferCommand.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/support/RecordingPrompter.h"
#include "model/ImageCodec.h"
#include "model/ImageFile.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;

// The name without the blanks that pad it to eight characters.
std::string TagOf(const ChannelEntry& entry) {
    std::string tag = entry.Tag.data();
    tag.erase(tag.find_last_not_of(' ') + 1);
    return tag;
}

// A document opened from an image file in a folder of its own, and the image a radio would send: the
// same one with another name on the first MR channel.
class TransferCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("tarn-transfer-" + std::to_string(getpid()));
        fs::create_directories(folder_);
        filePath_ = (folder_ / "mine.trn").string();
        ASSERT_TRUE(WriteImageFile(filePath_, document_.Image(), document_.Trailer(), prompter_));
        ASSERT_TRUE(document_.OpenDocument(filePath_));
        DocumentContent radio = document_.Content();
        SetTag(radio.Channels.Entries[0], "TOWER");
        EncodeImage(radio);
        radioImage_ = radio.Image;
        settings_.portName = "/dev/tarn-test-port";
    }
    void TearDown() override { fs::remove_all(folder_); }

    // The job's part of an Upload that read the radio and replaced the image.
    static void ReadRadio(TransferCommand& command, const CloneImage& radio) { command.WorkImage() = radio; }

    fs::path folder_;
    std::string filePath_;
    test::RecordingPrompter prompter_;
    Document document_{prompter_, ""};
    CloneImage radioImage_{};
    ProgramSettings settings_;
    PortHolder ports_;
};

TEST_F(TransferCommandTest, StartEncodesTheModelAndDescribesTheRun) {
    SetTag(document_.Channels().Entries[0], "EDITED");
    document_.SetModified(true);
    TransferCommand command(TransferOperation::Download, document_, ports_, settings_, true);
    DocumentContent decoded;
    decoded.Image = command.WorkImage();
    DecodeImage(decoded);
    EXPECT_EQ(TagOf(decoded.Channels.Entries[0]), "EDITED");
    EXPECT_EQ(command.WorkImage(), document_.Image());
    const TransferRequest& r = command.Request();
    EXPECT_EQ(std::tie(r.operation, r.portName, r.maintenance, r.modified),
              std::tuple(TransferOperation::Download, "/dev/tarn-test-port", true, true));
}

TEST_F(TransferCommandTest, UploadThatReplacedTheImageTiesTheDocumentToNoFile) {
    for (bool cancelled : {false, true}) {
        ASSERT_TRUE(document_.OpenDocument(filePath_));
        document_.SetModified(true);
        TransferCommand command(TransferOperation::Upload, document_, ports_, settings_, false);
        ReadRadio(command, radioImage_);
        // Also when the user pressed Cancel while the overwrite question was open and then said Yes.
        EXPECT_TRUE(command.Finish({cancelled, true, false}));
        EXPECT_EQ(document_.Image(), radioImage_);
        EXPECT_EQ(TagOf(document_.Channels().Entries[0]), "TOWER");
        EXPECT_EQ(std::tuple(document_.CurrentFilePath(), document_.Modified(), document_.DefaultImageLoaded()),
                  std::tuple(kNoFilePath, false, false))
            << "cancelled " << cancelled;
    }
}

TEST_F(TransferCommandTest, UploadThatKeptTheImageKeepsTheFileOnlyWhenCancelled) {
    document_.EncodeImage();
    const CloneImage before = document_.Image();
    // Failed, or "Overwrite original data" answered No: the window ended by itself, so the old image is
    // kept but tied to no file.
    for (auto [cancelled, path] : {std::pair{true, filePath_}, {false, std::string(kNoFilePath)}}) {
        TransferCommand command(TransferOperation::Upload, document_, ports_, settings_, false);
        document_.SetModified(true);
        EXPECT_TRUE(command.Finish({cancelled, false, false}));
        EXPECT_EQ(std::tuple(document_.CurrentFilePath(), document_.Modified()), std::tuple(path, true));
        EXPECT_EQ(document_.Image(), before);
    }
}

TEST_F(TransferCommandTest, DownloadKeepsThePathAndTakesTheRadiosFirmwareBytes) {
    TransferCommand command(TransferOperation::Download, document_, ports_, settings_, false);
    command.WorkImage()[0] = 0x12;
    command.WorkImage()[1] = 0x34;
    EXPECT_TRUE(command.Finish({false, false, false}));
    EXPECT_EQ(std::tie(document_.Image()[0], document_.Image()[1]), std::tuple(0x12, 0x34));
    EXPECT_EQ(document_.CurrentFilePath(), filePath_);
}

TEST_F(TransferCommandTest, AlignmentEntryDecodesOnlyWhenTheRadioIsInAlignmentMode) {
    struct Case {
        TransferOutcome outcome;
        bool goesOn;
    };
    for (const Case& c : {Case{{false, false, true}, true}, Case{{true, false, true}, false},
                          Case{{false, false, false}, false}}) {
        ASSERT_TRUE(document_.OpenDocument(filePath_));
        TransferCommand command(TransferOperation::AlignEntry, document_, ports_, settings_, true);
        ReadRadio(command, radioImage_);
        EXPECT_EQ(command.Finish(c.outcome), c.goesOn);
        // The merged image is the program's in every case; the model follows it only when going on.
        EXPECT_EQ(document_.Image(), radioImage_);
        EXPECT_EQ(TagOf(document_.Channels().Entries[0]), c.goesOn ? "TOWER" : "");
        EXPECT_EQ(document_.CurrentFilePath(), filePath_);
    }
}

TEST_F(TransferCommandTest, PortLivesForTheCommandWithTheInterfaceUnit) {
    settings_.portType = PortType::InterfaceUnit;
    {
        TransferCommand command(TransferOperation::Upload, document_, ports_, settings_, false);
        EXPECT_EQ(ports_.Port(), &command.Port());
    }
    EXPECT_EQ(ports_.Port(), nullptr);
    settings_.portType = PortType::ComPort;
    ClonePort* kept = nullptr;
    {
        TransferCommand command(TransferOperation::Download, document_, ports_, settings_, false);
        kept = &command.Port();
    }
    EXPECT_EQ(ports_.Port(), kept);
}

}  // namespace
}  // namespace tarn
