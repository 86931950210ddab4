#include <gtest/gtest.h>

#include <filesystem>

#include "SimHarness.h"

namespace tarn::test {
namespace {

// What `settings` lists, `set` takes back: changing one setting changes its line and its bits only.
TEST(TarnCli, SetWritesTheChangedSettingsAndSettingsListsThem) {
    TempDir dir;
    const std::string in = dir.File("in.trn"), out = dir.File("out.trn");
    ASSERT_EQ(RunCli({"new", in}).status, 0);
    const CliRun before = RunCli({"settings", in});
    EXPECT_EQ(before.status, 0);
    EXPECT_NE(before.output.find("\ncommon.lamp_mode=Key on\n"), std::string::npos) << before.output;
    EXPECT_NE(before.output.find("system.gray_expansion=Disable\n"), std::string::npos);

    const CliRun set = RunCli({"set", "--maintenance", in, out, "common.lamp_mode=Off", "common.temperature_offset=-0.5",
                               "system.brs_mode_tx=On", "common.bclo=On"});
    EXPECT_EQ(set.status, 0) << set.output;
    const Bytes a = ReadBytes(in), b = ReadBytes(out);
    ASSERT_EQ(b.size(), a.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        // Lamp Mode and BCLO (byte 115), Temperature Offset (138), BRS Mode TX (40).
        if (i != 115 && i != 138 && i != 40) {
            EXPECT_EQ(a[i], b[i]) << i;
        }
    }
    EXPECT_EQ(b[115] & 0xE0, 0x20);
    EXPECT_EQ(b[138], 0x85);
    const CliRun after = RunCli({"settings", out});
    std::string expected = before.output;
    for (const auto& [from, to] : {std::pair{"lamp_mode=Key on", "lamp_mode=Off"},
                                   {"temperature_offset=0.0", "temperature_offset=-0.5"},
                                   {"brs_mode_tx=Off", "brs_mode_tx=On"}, {"bclo=Off", "bclo=On"}}) {
        expected.replace(expected.find(from), std::string(from).size(), to);
    }
    EXPECT_EQ(after.output, expected);
}

TEST(TarnCli, SetWritesNothingWhenAnAssignmentIsRefused) {
    TempDir dir;
    const std::string in = dir.File("in.trn"), out = dir.File("out.trn");
    ASSERT_EQ(RunCli({"new", in}).status, 0);
    const CliRun run = RunCli({"set", in, out, "common.lamp_mode=Off", "system.gray_expansion=Enable"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("system.gray_expansion: cannot be changed: it is shown only in maintenance mode"),
              std::string::npos)
        << run.output;
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(RunCli({"set", in, out}).status, 2);
    EXPECT_EQ(RunCli({"settings", dir.File("missing.trn")}).status, 1);
}

}  // namespace
}  // namespace tarn::test
