#include <gtest/gtest.h>

#include "SimHarness.h"
#include "model/DefaultImage.h"
#include "model/Document.h"
#include "model/ImageCodec.h"
#include "print/ListingJob.h"
#include "print/ListingPlainText.h"

namespace tarn::test {
namespace {

TEST(TarnCli, NewWritesTheBuiltInDefaultImageFileAndInfoDescribesIt) {
    TempDir dir;
    const std::string path = dir.File("x.trn");
    const CliRun run = RunCli({"new", path});
    EXPECT_EQ(run.status, 0) << run.output;
    // The default image is the core's; its checksum and channel count show that it is what was written.
    const CliRun info = RunCli({"info", path});
    EXPECT_EQ(info.status, 0) << info.output;
    for (const char* line : {"size:              4104 bytes\n", "stored checksum:   0x3D27\n",
                             "computed checksum: 0x3D27\n", "firmware:          0.00\n", "serial number:     0B000000\n",
                             "used channels:     34 of 202 (MR 1, BOOK 1, WX 10, BRS 22)\n"}) {
        EXPECT_NE(info.output.find(line), std::string::npos) << line << info.output;
    }
}

// The listing decodes the file as opening it in the desktop program does: a memory channel stored at
// 137.425 MHz is the air band's top channel while "Gray Expansion" is off, not an expansion channel.
TEST(TarnCli, ListingDecodesTheFileAsTheDesktopProgramDoes) {
    TempDir dir;
    const std::string path = dir.File("x.trn");
    DocumentContent content;
    FillDefaultImage(content);
    content.Channels.Entries[3].Empty = 0;
    content.Channels.Entries[3].RxFrequency = 137425000;
    EncodeImage(content);
    WriteBytes(path, ImageFileBytes(content.Image));
    RecordingPrompter prompter;
    Document document(prompter, dir.path());
    ASSERT_TRUE(document.OpenDocument(path));

    const CliRun listing = RunCli({"listing", path});
    EXPECT_EQ(listing.status, 0);
    EXPECT_EQ(listing.output, ListingPlainText(ListingJob(document.Content(), path)));
    EXPECT_NE(listing.output.find("136.97500"), std::string::npos) << listing.output;
}

}  // namespace
}  // namespace tarn::test
