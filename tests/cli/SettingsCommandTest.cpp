#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "SimHarness.h"

namespace tarn::test {
namespace {

// What `settings` lists, `set` takes back: changing a setting changes its line and its bits only. An
// assignment refused writes nothing at all.
TEST(TarnCli, SetWritesTheChangedSettingsAndSettingsListsThem) {
    TempDir dir;
    const std::string in = dir.File("in.trn"), out = dir.File("out.trn");
    ASSERT_EQ(RunCli({"new", in}).status, 0);
    const CliRun refused = RunCli({"set", in, out, "common.lamp_mode=Off", "system.gray_expansion=Enable"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.output.find("system.gray_expansion: cannot be changed: it is shown only in maintenance mode"),
              std::string::npos) << refused.output;
    EXPECT_FALSE(std::filesystem::exists(out));

    const CliRun before = RunCli({"settings", in});
    EXPECT_EQ(before.status, 0);
    const CliRun set = RunCli({"set", "--maintenance", in, out, "common.lamp_mode=Off", "common.temperature_offset=-0.5",
                               "system.brs_mode_tx=On", "common.bclo=On"});
    EXPECT_EQ(set.status, 0) << set.output;
    const Bytes a = ReadBytes(in), b = ReadBytes(out);
    ASSERT_EQ(b.size(), a.size());
    std::set<std::size_t> changed;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) changed.insert(i);
    }
    EXPECT_EQ(changed, (std::set<std::size_t>{40, 115, 138}));  // BRS Mode TX; Lamp Mode and BCLO; Temperature Offset
    std::string expected = before.output;
    for (const auto& [from, to] : {std::pair{"\ncommon.lamp_mode=Key on\n", "\ncommon.lamp_mode=Off\n"},
                                   {"temperature_offset=0.0", "temperature_offset=-0.5"},
                                   {"brs_mode_tx=Off", "brs_mode_tx=On"}, {"bclo=Off", "bclo=On"}}) {
        ASSERT_NE(expected.find(from), std::string::npos) << from;
        expected.replace(expected.find(from), std::string(from).size(), to);
    }
    EXPECT_EQ(RunCli({"settings", out}).output, expected);
    EXPECT_EQ(RunCli({"settings", dir.File("missing.trn")}).status, 1);
}

}  // namespace
}  // namespace tarn::test
