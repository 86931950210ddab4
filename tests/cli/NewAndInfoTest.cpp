#include <gtest/gtest.h>

#include "SimHarness.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"

namespace tarn::test {
namespace {

TEST(TarnCli, NewWritesTheBuiltInDefaultImageFileAndInfoDescribesIt) {
    TempDir dir;
    const std::string path = dir.File("x.trn");
    const CliRun run = RunCli({"new", path});
    EXPECT_EQ(run.status, 0) << run.output;
    const auto bytes = ReadBytes(path);
    DocumentContent content;
    FillDefaultImage(content);
    EncodeImage(content);
    ASSERT_EQ(bytes.size(), 4104u);
    EXPECT_TRUE(std::equal(content.Image.begin(), content.Image.end(), bytes.begin()));

    const CliRun info = RunCli({"info", path});
    EXPECT_EQ(info.status, 0) << info.output;
    for (const char* line : {"size:              4104 bytes\n", "stored checksum:   0x3D27\n",
                             "computed checksum: 0x3D27\n", "firmware:          0.00\n", "serial number:     0B000000\n",
                             "used channels:     34 of 202 (MR 1, BOOK 1, WX 10, BRS 22)\n"}) {
        EXPECT_NE(info.output.find(line), std::string::npos) << line << info.output;
    }
}

}  // namespace
}  // namespace tarn::test
