// tarn-cli upload and download against tarn-radio-sim: exit status, messages, the file and the radio's memory.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>

#include "SimHarness.h"
#include "model/Document.h"

namespace tarn::test {
namespace {

TEST(CliTransfer, UploadThenDownloadMergesIntoTheOtherRadio) {
    CloneImage uploaded = ProgramImage();
    uploaded[kModelIdOffset + 1] = 0x02;  // as a radio holds it
    for (const bool maintenance : {false, true}) {
        SCOPED_TRACE(maintenance ? "maintenance" : "normal");
        TempDir dir;
        const std::string file = dir.File("out.trn");
        SimRadio source({"--model-id", "0002"}, ProgramImage());
        const CliRun up = RunCli({"upload", "--port", source.Port(), file});
        EXPECT_EQ(up.status, 0) << up.output;
        EXPECT_EQ(ReadBytes(file), ImageFileBytes(uploaded));

        // A backup restored byte for byte.
        SimRadio target({});
        std::vector<std::string> args{"download", "--raw", "--port", target.Port(), file};
        if (maintenance) args.insert(args.begin() + 1, "--maintenance");
        const CliRun down = RunCli(args);
        EXPECT_EQ(down.status, 0) << down.output;
        EXPECT_NE(down.output.find("Download is completed"), std::string::npos) << down.output;
        EXPECT_EQ(target.Saved(), ImageFileBytes(MergedImage(RadioImage(), uploaded, maintenance)));
        EXPECT_EQ(ReadBytes(file), ImageFileBytes(uploaded));
    }
}

TEST(CliTransfer, AFailedOrInterruptedUploadLeavesTheFileAlone) {
    struct Case {
        std::vector<std::string> options;
        const char* interruptAt;  // send SIGINT once the radio logs this, or never
        const char* message;
    };
    const Case cases[] = {
        {{"--bad-checksum", "2"}, nullptr, "tarn-cli: BCC Error\n"},
        {{"--power-cycle", "600000"}, "switched off", "tarn-cli: cancelled\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TempDir dir;
        const std::string file = dir.File("out.trn");
        const Bytes before = ImageFileBytes(ProgramImage());
        WriteBytes(file, before);
        SimRadio radio(c.options);
        const CliRun run = RunCli({"upload", "--port", radio.Port(), file}, [&](pid_t cli) {
            if (!c.interruptAt) return;
            ASSERT_TRUE(radio.WaitForNote(c.interruptAt));
            kill(cli, SIGINT);
        });
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        EXPECT_EQ(ReadBytes(file), before);
        // Nothing half-written is left beside it.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }
}

// By default the radio gets what opening the file in the desktop program and choosing Download sends (the
// file decoded and encoded again); --raw sends the file's image byte for byte, to restore a backup.
TEST(CliTransfer, DownloadSendsWhatTheDesktopProgramSendsOrTheRawFile) {
    TempDir dir;
    const std::string file = dir.File("in.trn");
    CloneImage stored = ProgramImage();
    stored[kMrRecordsOffset + 14] = stored[kMrRecordsOffset + 15] = 0xFF;  // MR 1 erased
    WriteBytes(file, ImageFileBytes(stored));
    RecordingPrompter prompter;
    Document document(prompter, dir.path());
    ASSERT_TRUE(document.OpenDocument(file));
    document.EncodeImage();
    ASSERT_NE(document.Image(), stored);
    for (const auto& [option, sent] : {std::pair{"", document.Image()}, {"--raw", stored}}) {
        SCOPED_TRACE(option);
        SimRadio target({});
        std::vector<std::string> args{"download", "--port", target.Port(), file};
        if (*option) args.insert(args.begin() + 1, option);
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 0) << run.output;
        EXPECT_EQ(target.Saved(), ImageFileBytes(MergedImage(RadioImage(), sent, false)));
    }
}

// The radio is read only into a file that can be written.
TEST(CliTransfer, UploadChecksTheOutputBeforeAskingTheRadio) {
    TempDir dir;
    SimRadio radio({"--model-id", "0002"});
    const CliRun run = RunCli({"upload", "--port", radio.Port(), dir.File("missing/out.trn")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output.rfind("tarn-cli: Problem opening file\n" + dir.File("missing/out.trn"), 0), 0u) << run.output;
    EXPECT_TRUE(Tagged(radio.Log(), 'P').empty());
}

// Usage errors exit with 2 and the command's usage; a file that cannot be opened exits with 1.
TEST(CliTransfer, ErrorsExitWithTheirStatus) {
    TempDir dir;
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string output;  // how the output starts
    };
    const Case cases[] = {
        {{"upload", dir.File("out.trn")}, 2, "usage: tarn-cli upload"},  // no port
        {{"download", "--port"}, 2, "usage: tarn-cli download"},  // no value, no file
        {{"upload", "--port", "COM1", "a.trn", "b.trn"}, 2, "usage: tarn-cli upload"},  // two files
        {{"download", "--port", "COM1", "--fast", dir.File("x.trn")}, 2, "usage: tarn-cli download"},  // unknown option
        {{"upload", "--raw", "--port", "COM1", dir.File("out.trn")}, 2, "usage: tarn-cli upload"},  // download only
        {{"new"}, 2, "usage: tarn-cli new"},
        {{"info"}, 2, "usage: tarn-cli info"},
        {{"new", dir.File("missing/x.trn")}, 1, "tarn-cli: Problem opening file"},
        {{"info", dir.File("none.trn")}, 1, "tarn-cli: Problem opening file\nFile Name = " + dir.File("none.trn")},
        {{"download", "--port", "COM1", dir.File("none.trn")}, 1,
         "tarn-cli: Problem opening file\nFile Name = " + dir.File("none.trn")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.output.rfind(c.output, 0), 0u) << run.output;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.trn")));
}

}  // namespace
}  // namespace tarn::test
