// tarn-cli upload and download against tarn-radio-sim: exit status, messages, the file and the radio's memory.
#include <gtest/gtest.h>

#include <sstream>

#include "SimHarness.h"
#include "model/Document.h"

namespace tarn::test {
namespace {

// The bytes of a trace file in each direction, TX and RX.
std::pair<Bytes, Bytes> TracedBytes(const std::string& path) {
    const Bytes file = ReadBytes(path);
    std::istringstream trace(std::string(file.begin(), file.end()));
    Bytes sent, received;
    for (std::string ms, direction, rest; trace >> ms >> direction && std::getline(trace, rest);) {
        std::istringstream hex(rest);
        for (unsigned byte = 0; (direction == "TX" || direction == "RX") && hex >> std::hex >> byte;) {
            (direction == "TX" ? sent : received).push_back(static_cast<std::uint8_t>(byte));
        }
    }
    return {sent, received};
}

// An upload, its trace, and the file it wrote restored into another radio byte for byte.
TEST(CliTransfer, UploadThenDownloadMergesIntoTheOtherRadio) {
    CloneImage uploaded = ProgramImage();
    uploaded[kModelIdOffset + 1] = 0x02;  // as a radio holds it
    for (const bool maintenance : {false, true}) {
        SCOPED_TRACE(maintenance ? "maintenance" : "normal");
        TempDir dir;
        const std::string file = dir.File("out.trn");
        SimRadio source({"--model-id", "0002"}, ProgramImage());
        const CliRun up = RunCli({"upload", "--trace", dir.File("trace.txt"), "--port", source.Port(), file});
        EXPECT_EQ(up.status, 0) << up.output;
        EXPECT_EQ(ReadBytes(file), ImageFileBytes(uploaded));
        // The trace holds every byte on the line, in the order each direction carried them: the cable's
        // echo and the radio's bytes as received, the program's as sent.
        ASSERT_TRUE(source.WaitForNote("image read"));
        const auto log = source.Log();
        Bytes line;
        for (const LogEntry& e : log) {
            if (e.tag != 'P') line.push_back(e.byte);
        }
        EXPECT_EQ(TracedBytes(dir.File("trace.txt")), std::pair(Tagged(log, 'P'), line));

        // A backup restored byte for byte; the target's own image is kept in the user's data folder first.
        SimRadio target({});
        std::vector<std::string> args{"download", "--raw", "--yes", "--port", target.Port(), file};
        if (maintenance) args.insert(args.begin() + 1, "--maintenance");
        setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
        const CliRun down = RunCli(args);
        unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(down.status, 0) << down.output;
        EXPECT_NE(down.output.find("Download is completed"), std::string::npos) << down.output;
        EXPECT_EQ(target.Saved(), ImageFileBytes(MergedImage(RadioImage(), uploaded, maintenance)));
        EXPECT_EQ(ReadBytes(file), ImageFileBytes(uploaded));
        const std::size_t backupLine = down.output.find("backup: " + dir.File("tarn/backups/"));
        ASSERT_NE(backupLine, std::string::npos) << down.output;
        const std::size_t pathStart = backupLine + 8;
        const std::string backup = down.output.substr(pathStart, down.output.find('\n', pathStart) - pathStart);
        EXPECT_EQ(ReadBytes(backup), ImageFileBytes(RadioImage()));
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
        std::vector<std::string> args{"download", "--yes", "--no-backup", "--port", target.Port(), file};
        if (*option) args.insert(args.begin() + 1, option);
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 0) << run.output;
        EXPECT_EQ(target.Saved(), ImageFileBytes(MergedImage(RadioImage(), sent, false)));
    }
}

// diff prints what writing the second file over the first changes, and exits as diff(1) does.
TEST(CliDiff, PrintsTheChangesAndExitsWithWhetherThereAreAny) {
    TempDir dir;
    CloneImage changed = RadioImage();
    changed[kBookRecordsOffset + 5 * 18 + 4] ^= 0x01;  // a byte no grid row or setting shows
    WriteBytes(dir.File("a.trn"), ImageFileBytes(RadioImage()));
    WriteBytes(dir.File("b.trn"), ImageFileBytes(changed));
    const CliRun same = RunCli({"diff", dir.File("a.trn"), dir.File("a.trn")});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.output, "");
    const CliRun different = RunCli({"diff", dir.File("a.trn"), dir.File("b.trn")});
    EXPECT_EQ(different.status, 1);
    EXPECT_EQ(different.output, "1 other byte differs.\n");
    EXPECT_EQ(RunCli({"diff", dir.File("a.trn"), dir.File("none.trn")}).status, 2);
}

}  // namespace
}  // namespace tarn::test
