#include "app/TransferCommand.h"

#include <gtest/gtest.h>

#include "core/support/RecordingPrompter.h"
#include "model/ImageCodec.h"

namespace tarn {
namespace {

using Op = TransferOperation;

// The first MR channel's name without the blanks that pad it.
std::string TagOf(Document& document) {
    std::string tag = document.Channels().Entries[0].Tag.data();
    tag.erase(tag.find_last_not_of(' ') + 1);
    return tag;
}

// A modified document tied to a file, and the image a radio would send: the same one with "TOWER" on
// the first MR channel.
class TransferCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        Restart();
        DocumentContent radio = document_.Content();
        SetTag(radio.Channels.Entries[0], "TOWER");
        EncodeImage(radio);
        radioImage_ = radio.Image;
        settings_.portName = "/dev/tarn-test-port";
    }
    void Restart() {
        document_.NewDocument();
        document_.SetCurrentFilePath(kFile);
        document_.EncodeImage();
        document_.SetModified(true);
    }

    const std::string kFile = "/home/u/mine.trn";
    test::RecordingPrompter prompter_;
    Document document_{prompter_, ""};
    CloneImage radioImage_{};
    ProgramSettings settings_;
    PortHolder ports_;
};

// How each run's end settles the document: its image, model, path and Modified flag.
TEST_F(TransferCommandTest, FinishSettlesTheDocument) {
    struct Case {
        Op op;
        TransferOutcome outcome;
        bool jobTookRadiosImage;  // the work image is the radio's afterwards
        bool decoded, pathKept, modified;
    };
    const Case cases[] = {
        // The radio's image in the document is tied to no file, even when the user pressed Cancel while
        // "Overwrite original data" was open and then said Yes.
        {Op::Upload, {true, true, false}, true, true, false, false},
        // Failed, answered No or cancelled: the old image stays tied to its file, so Save still writes it there.
        {Op::Upload, {false, false, false}, false, true, true, true},
        {Op::Download, {false, false, false}, true, true, true, true},
        // The merged image is the program's in every case; the model follows it only when going on.
        {Op::AlignEntry, {false, false, true}, true, true, true, true},
        {Op::AlignEntry, {true, false, true}, true, false, true, true},
        {Op::AlignEntry, {false, false, false}, true, false, true, true},
    };
    for (const Case& c : cases) {
        Restart();
        const CloneImage before = document_.Image();
        TransferCommand command(c.op, document_, ports_, settings_, true);
        if (c.jobTookRadiosImage) command.WorkImage() = radioImage_;
        EXPECT_EQ(command.Finish(c.outcome), c.decoded);
        EXPECT_EQ(document_.Image(), c.jobTookRadiosImage ? radioImage_ : before);
        EXPECT_EQ(TagOf(document_), c.decoded && c.jobTookRadiosImage ? "TOWER" : "");
        EXPECT_EQ(std::tuple(document_.CurrentFilePath(), document_.Modified()),
                  std::tuple(c.pathKept ? kFile : std::string(kNoFilePath), c.modified))
            << int(c.op) << " cancelled " << c.outcome.cancelled << " replaced " << c.outcome.imageReplaced;
    }
}

TEST_F(TransferCommandTest, PortLivesForTheCommandWithTheInterfaceUnit) {
    settings_.portType = PortType::InterfaceUnit;
    {
        TransferCommand command(Op::Upload, document_, ports_, settings_, false);
        EXPECT_EQ(ports_.Port(), &command.Port());
    }
    EXPECT_EQ(ports_.Port(), nullptr);
    settings_.portType = PortType::ComPort;
    ClonePort* kept = nullptr;
    {
        TransferCommand command(Op::Download, document_, ports_, settings_, false);
        kept = &command.Port();
    }
    EXPECT_EQ(ports_.Port(), kept);
}

}  // namespace
}  // namespace tarn
