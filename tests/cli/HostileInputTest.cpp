// Whatever is named as a file or a port, and however the command line is wrong, tarn-cli answers with a
// message and its exit status (2 for a usage error, 1 otherwise), soon, and writes nothing but the file it
// was asked to write.
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
    const std::string plain = dir.File("plain.trn"), newline = dir.File("two\nlines.trn"), out = dir.File("out.trn");
    const std::string longer = dir.File("long.trn"), missing = dir.File("none.trn");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    WriteBytes(huge, {});
    ASSERT_EQ(truncate(huge.c_str(), 1L << 30), 0);  // 1 GB, sparse
    WriteBytes(longer, std::vector<unsigned char>(4105));
    ASSERT_EQ(symlink(loop.c_str(), loop.c_str()), 0);
    ASSERT_EQ(RunCli({"new", plain}).status, 0);
    const std::set<std::string> before = Entries(dir.path());
    const std::string opening = "tarn-cli: Problem opening file\nFile Name = ";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;  // part of what tarn-cli says
    };
    const Case cases[] = {
        // info and listing take only what File > Open takes (one shared check): a regular file of 4104 bytes.
        {{"info", fifo}, 1, opening + fifo},
        {{"listing", "/dev/zero"}, 1, opening + "/dev/zero"},
        {{"info", huge}, 1, "The File's format is invalid"},
        {{"listing", longer}, 1, "tarn-cli: The File cannot be Opened."},
        {{"info", loop}, 1, opening + loop},
        {{"info", newline}, 1, opening + newline},
        {{"info", missing}, 1, opening + missing},
        {{"set", plain, fifo, "common.lamp_mode=Off"}, 1, "pipe.trn"},
        {{"set", plain, loop, "common.lamp_mode=Off"}, 1, "Too many levels of symbolic links"},
        {{"new", "/dev/null"}, 1, "/dev/null"},
        {{"new", fifo}, 1, "pipe.trn"},
        {{"new", dir.File("missing/x.trn")}, 1, "tarn-cli: Problem opening file"},
        // A port that is no serial line: a file, the null device, a pipe.
        {{"upload", "--port", plain, out}, 1, "plain.trn"},
        {{"upload", "--port", "/dev/null", out}, 1, "/dev/null"},
        {{"upload", "--port", fifo, out}, 1, "pipe.trn"},
        {{"download", "--port", "/dev/null", plain}, 1, "/dev/null"},
        {{"download", "--port", "COM1", missing}, 1, opening + missing},
        // The file to write is checked before the radio is asked: the port here could not even be opened.
        {{"upload", "--port", plain, dir.File("missing/out.trn")}, 1,
         "tarn-cli: Problem opening file\n" + dir.File("missing/out.trn")},
        // Usage errors: the command's usage.
        {{"upload", out}, 2, "usage: tarn-cli upload"},                                   // no port
        {{"download", "--port"}, 2, "usage: tarn-cli download"},                          // no value, no file
        {{"upload", "--port", "COM1", "a.trn", "b.trn"}, 2, "usage: tarn-cli upload"},   // two files
        {{"download", "--port", "COM1", "--fast", plain}, 2, "usage: tarn-cli download"},  // unknown option
        {{"upload", "--raw", "--port", "COM1", out}, 2, "usage: tarn-cli upload"},        // download only
        {{"new"}, 2, "usage: tarn-cli new"},
        {{"info"}, 2, "usage: tarn-cli info"},
        {{"set", plain, out}, 2, "usage: tarn-cli set"},  // no assignment
        {{"export-csv", plain}, 2, "usage: tarn-cli export-csv"},
        {{"import-csv", plain, plain, out, "--replace", "--by-location"}, 2, "usage: tarn-cli import-csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args.back());
        const auto start = std::chrono::steady_clock::now();
        const CliRun run = RunCli(c.args);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        EXPECT_EQ(Entries(dir.path()), before);
    }
    EXPECT_EQ(std::filesystem::status(fifo).type(), std::filesystem::file_type::fifo);
    // A name with a line break is a name like any other: exactly that file is written.
    EXPECT_EQ(RunCli({"new", newline}).status, 0);
    std::set<std::string> after = before;
    after.insert("two\nlines.trn");
    EXPECT_EQ(Entries(dir.path()), after);
}

}  // namespace
}  // namespace tarn::test
