// Whatever is named as a file or a port, tarn-cli answers with a message, soon, and writes nothing but
// the file it was asked to write.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>

#include "SimHarness.h"

namespace tarn::test {
namespace {

std::set<std::string> Entries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

TEST(HostileInputs, AreRefusedWithAMessageSoonAndHarmNothing) {
    TempDir dir;
    const std::string fifo = dir.File("pipe.trn"), huge = dir.File("huge.trn"), loop = dir.File("loop.trn");
    const std::string plain = dir.File("plain.trn"), newline = dir.File("two\nlines.trn");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    WriteBytes(huge, {});
    ASSERT_EQ(truncate(huge.c_str(), 1L << 30), 0);  // 1 GB, sparse
    ASSERT_EQ(symlink(loop.c_str(), loop.c_str()), 0);
    ASSERT_EQ(RunCli({"new", plain}).status, 0);
    const std::set<std::string> before = Entries(dir.path());
    struct Case {
        std::vector<std::string> args;
        std::string message;  // part of what tarn-cli says
    };
    const Case cases[] = {
        {{"info", fifo}, "Problem opening file\nFile Name = " + fifo},
        {{"info", "/dev/zero"}, "Problem opening file\nFile Name = /dev/zero"},
        {{"info", huge}, "The File's format is invalid"},
        {{"info", loop}, "Problem opening file\nFile Name = " + loop},
        {{"info", newline}, "Problem opening file\nFile Name = " + newline},
        {{"set", plain, fifo, "common.lamp_mode=Off"}, "pipe.trn"},
        {{"set", plain, loop, "common.lamp_mode=Off"}, "Too many levels of symbolic links"},
        {{"new", "/dev/null"}, "/dev/null"},
        // A port that is no serial line: a file, the null device, a pipe.
        {{"upload", "--port", plain, dir.File("out.trn")}, "plain.trn"},
        {{"upload", "--port", "/dev/null", dir.File("out.trn")}, "/dev/null"},
        {{"upload", "--port", fifo, dir.File("out.trn")}, "pipe.trn"},
        {{"download", "--port", "/dev/null", plain}, "/dev/null"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const auto start = std::chrono::steady_clock::now();
        const CliRun run = RunCli(c.args);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        EXPECT_EQ(Entries(dir.path()), before);
    }
    // A name with a line break is a name like any other: exactly that file is written.
    EXPECT_EQ(RunCli({"new", newline}).status, 0);
    std::set<std::string> after = before;
    after.insert("two\nlines.trn");
    EXPECT_EQ(Entries(dir.path()), after);
}

}  // namespace
}  // namespace tarn::test
