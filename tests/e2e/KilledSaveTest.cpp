// A save killed at any moment leaves the file it replaces whole: the old content or the new, never a part.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <thread>

#include "SimHarness.h"

namespace tarn::test {
namespace {

using Clock = std::chrono::steady_clock;

TEST(KilledSaves, LeaveTheOldFileOrTheNewOneAndNothingElse) {
    TempDir dir;
    const std::string source = dir.File("source.trn"), target = dir.File("target.trn");
    ASSERT_EQ(RunCli({"new", source}).status, 0);
    const Bytes old = ImageFileBytes(ProgramImage());
    struct Case {
        std::vector<std::string> args;  // the command, writing `target`
        int runs;
        bool needsRadio = false;
    };
    const Case cases[] = {
        {{"new", target}, 150},
        {{"set", source, target, "common.lamp_mode=Off"}, 150},
        {{"upload", "--port", "PORT", target}, 12, true},
    };
    std::mt19937 random(20261206);  // fixed, so a failure can be replayed
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        const auto run = [&](const std::function<void(pid_t)>& whileRunning) {
            std::unique_ptr<SimRadio> radio = c.needsRadio ? std::make_unique<SimRadio>(std::vector<std::string>{})
                                                           : nullptr;
            std::vector<std::string> args = c.args;
            if (radio) args[2] = radio->Port();
            return RunCli(args, whileRunning);
        };
        // Whole runs, for the new content and how long a run takes at least (the first may be slower).
        auto took = std::chrono::microseconds::max();
        for (int i = 0; i < 3; ++i) {
            std::filesystem::remove(target);
            const auto start = Clock::now();
            ASSERT_EQ(run({}).status, 0);
            took = std::min(took, std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start));
        }
        const Bytes fresh = ReadBytes(target);
        ASSERT_NE(fresh, old);
        int killedBeforeTheEnd = 0;
        for (int i = 0; i < c.runs; ++i) {
            WriteBytes(target, old);
            const auto delay = std::chrono::microseconds(
                std::uniform_int_distribution<long>(0, took.count())(random));
            const CliRun killed = run([&](pid_t pid) {
                std::this_thread::sleep_for(delay);
                kill(pid, SIGKILL);
            });
            killedBeforeTheEnd += killed.status == -1;
            const Bytes now = ReadBytes(target);
            ASSERT_TRUE(now == old || now == fresh) << "run " << i << ": " << now.size() << " bytes";
            // No temporary left next to the file (a killed save may leave one only until the next save).
            std::size_t entries = 0;
            for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
            ASSERT_LE(entries, 3u);
        }
        // The kills must really land while the command runs, or the test proves nothing.
        EXPECT_GT(killedBeforeTheEnd, c.runs / 4);
    }
}

}  // namespace
}  // namespace tarn::test
