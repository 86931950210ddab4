// tarn-cli upload and download against tarn-radio-sim: exit status, messages, the file and the radio's memory.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>

#include "SimHarness.h"

namespace tarn::test {
namespace {

struct Cli {
    int status;
    std::string errors;  // stderr
};

// Runs tarn-cli; `whileRunning` may act on the running process before it is waited for.
template <typename F>
Cli RunCli(const TempDir& dir, std::vector<std::string> args, F whileRunning) {
    args.insert(args.begin(), TARN_CLI_BIN);
    Process cli(args, dir.File("stderr.txt"));
    whileRunning(cli);
    const int status = cli.Wait();
    return {status, ReadText(dir.File("stderr.txt"))};
}

Cli RunCli(const TempDir& dir, std::vector<std::string> args) {
    return RunCli(dir, std::move(args), [](const Process&) {});
}

TEST(CliTransfer, UploadThenDownloadMergesIntoTheOtherRadio) {
    CloneImage uploaded = ProgramImage();
    uploaded[kModelIdOffset + 1] = 0x02;  // as a radio holds it
    for (const bool maintenance : {false, true}) {
        SCOPED_TRACE(maintenance ? "maintenance" : "normal");
        TempDir dir;
        const std::string file = dir.File("out.trn");
        SimRadio source({"--model-id", "0002"}, ProgramImage());
        const Cli up = RunCli(dir, {"upload", "--port", source.Port(), file});
        EXPECT_EQ(up.status, 0) << up.errors;
        EXPECT_EQ(ReadBytes(file), ImageFileBytes(uploaded));

        SimRadio target({}, RadioImage());
        std::vector<std::string> args{"download", "--port", target.Port(), file};
        if (maintenance) args.insert(args.begin() + 1, "--maintenance");
        const Cli down = RunCli(dir, args);
        EXPECT_EQ(down.status, 0) << down.errors;
        EXPECT_NE(down.errors.find("Download is completed"), std::string::npos) << down.errors;
        ASSERT_TRUE(target.Saved());
        EXPECT_EQ(*target.Saved(), MergedImage(RadioImage(), uploaded, maintenance));
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
        SimRadio radio(c.options, RadioImage());
        const auto start = std::chrono::steady_clock::now();
        const Cli run = RunCli(dir, {"upload", "--port", radio.Port(), file}, [&](const Process& cli) {
            if (!c.interruptAt) return;
            ASSERT_TRUE(radio.WaitForNote(c.interruptAt));
            cli.Signal(SIGINT);
        });
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
        EXPECT_EQ(ReadBytes(file), before);
        // Nothing half-written is left beside it.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);  // out.trn, stderr.txt
    }
}

TEST(CliTransfer, UsageErrorsExitWithTwo) {
    TempDir dir;
    const std::vector<std::vector<std::string>> calls = {
        {"upload", dir.File("out.trn")},                             // no port
        {"download", "--port"},                                      // no value, no file
        {"upload", "--port", "COM1", "a.trn", "b.trn"},              // two files
        {"download", "--port", "COM1", "--fast", dir.File("x.trn")},  // unknown option
    };
    for (const auto& args : calls) {
        SCOPED_TRACE(args[1]);
        const Cli run = RunCli(dir, args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.errors.rfind("usage: tarn-cli " + args[0], 0), 0u) << run.errors;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.trn")));
}

}  // namespace
}  // namespace tarn::test
