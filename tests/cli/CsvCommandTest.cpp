#include <gtest/gtest.h>

#include "SimHarness.h"
#include "csv/ChannelCsvExport.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"

namespace tarn::test {
namespace {

std::string Text(const std::vector<unsigned char>& bytes) { return std::string(bytes.begin(), bytes.end()); }

class CsvCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(RunCli({"new", image}).status, 0); }
    void WriteCsv(const std::string& rows) {
        const std::string text = "Location,Name,Frequency,Mode\r\n" + rows;
        WriteBytes(csv, std::vector<unsigned char>(text.begin(), text.end()));
    }

    TempDir dir;
    const std::string image = dir.File("in.trn");
    const std::string csv = dir.File("in.csv");
    const std::string out = dir.File("out.trn");
};

TEST_F(CsvCommands, ExportWritesTheChannelsOfTheImage) {
    const CliRun run = RunCli({"export-csv", image, dir.File("out.csv")});
    EXPECT_EQ(run.status, 0) << run.output;
    DocumentContent content;
    FillDefaultImage(content);
    EncodeImage(content);
    DecodeImage(content);
    EXPECT_EQ(Text(ReadBytes(dir.File("out.csv"))), ExportChannelsCsv(content.Channels));
}

// The exit status tells whether the import was kept; whenever it is not, or with --dry-run, an existing
// OUT.trn stays exactly as it was.
TEST_F(CsvCommands, ImportExitsAndWritesByWhatWasImported) {
    const std::vector<unsigned char> old{'o', 'l', 'd'};
    struct Case {
        const char* rows;
        std::vector<std::string> options;
        int status;
        bool written;
        const char* reportLine;
    } cases[] = {
        {"1,TWR,118.100000,AM\r\n", {}, 0, true, "1 channel imported into MR 2, 0 adapted, 0 skipped"},
        {"1,TWR,118.100000,AM\r\n", {"--dry-run"}, 0, false, "1 channel imported into MR 2"},
        {"1,TWR,118.100000,AM\r\n2,X,446.0,FM\r\n", {"--by-location"}, 0, true,
         "line 3: skipped: 446.000000 MHz lies outside"},
        {"1,TWR,118.100000,AM\r\n2,X,446.0,FM\r\n", {"--strict"}, 1, false, "1 channel imported into MR 2, 0 adapted, 1 skipped"},
        {"1,TWR,118.100000,NAM\r\n", {"--strict", "--dry-run"}, 1, false, "narrow width"},
        {"2,X,446.0,FM\r\n", {"--replace"}, 1, false, "no channels imported, 0 adapted, 1 skipped"},
        {nullptr, {}, 1, false, "no Frequency column"},
    };
    for (const Case& c : cases) {
        WriteBytes(out, old);
        if (c.rows) {
            WriteCsv(c.rows);
        } else {
            WriteBytes(csv, std::vector<unsigned char>{'N', 'a', 'm', 'e', '\n', 'x', '\n'});
        }
        std::vector<std::string> args{"import-csv", image, csv, out};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, c.status) << c.reportLine << run.output;
        EXPECT_EQ(ReadBytes(out) != old, c.written) << c.reportLine << run.output;
        EXPECT_NE(run.output.find(c.reportLine), std::string::npos) << run.output;
    }
    EXPECT_EQ(RunCli({"import-csv", image, dir.path(), out}).status, 1);  // a folder is no channel list
    EXPECT_EQ(ReadBytes(out), old);
}

}  // namespace
}  // namespace tarn::test
