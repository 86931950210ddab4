#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/support/TempDir.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"

namespace tarn {
namespace {

struct CliRun {
    int status;
    std::string output;  // stdout and stderr
};

CliRun RunCli(const std::string& arguments) {
    const std::string command = std::string(TARN_CLI_BIN) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    CliRun run{-1, {}};
    if (!pipe) return run;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) run.output += buffer;
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(TarnCli, NewWritesTheBuiltInDefaultImageFile) {
    test::TempDir dir;
    const std::string path = dir.File("x.trn");
    const CliRun run = RunCli("new '" + path + "'");
    EXPECT_EQ(run.status, 0) << run.output;
    const auto bytes = test::ReadBytes(path);
    DocumentContent content;
    FillDefaultImage(content);
    EncodeImage(content);
    ASSERT_EQ(bytes.size(), 4104u);
    EXPECT_TRUE(std::equal(content.Image.begin(), content.Image.end(), bytes.begin()));

    EXPECT_EQ(RunCli("new").status, 2);
    const CliRun failed = RunCli("new '" + dir.File("missing/x.trn") + "'");
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.output.find("Problem opening file"), std::string::npos) << failed.output;
}

TEST(TarnCli, InfoDescribesAnImageFile) {
    test::TempDir dir;
    const std::string path = dir.File("x.trn");
    ASSERT_EQ(RunCli("new '" + path + "'").status, 0);
    const CliRun run = RunCli("info '" + path + "'");
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* line : {"size:              4104 bytes\n", "stored checksum:   0x3D27\n",
                             "computed checksum: 0x3D27\n", "firmware:          0.00\n", "serial number:     0B000000\n",
                             "used channels:     34 of 202 (MR 1, BOOK 1, WX 10, BRS 22)\n"}) {
        EXPECT_NE(run.output.find(line), std::string::npos) << line << run.output;
    }
    const CliRun missing = RunCli("info '" + dir.File("none.trn") + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("Problem opening file\nFile Name = " + dir.File("none.trn")), std::string::npos);
    EXPECT_EQ(RunCli("info").status, 2);
}

}  // namespace
}  // namespace tarn
