#include "link/TransferJob.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/support/RecordingPrompter.h"

namespace tarn {
namespace {

using Calls = std::vector<std::string>;

// A line that opens and stays silent, noting the purges.
class SilentDevice : public SerialDevice {
public:
    explicit SilentDevice(Calls& calls) : calls_(calls) {}
    int Open(const std::string&) override { return open_ = true, 0; }
    bool IsOpen() const override { return open_; }
    bool Configure(const LineSettings&) override { return true; }
    void SetTimeouts(const SerialTimeouts&) override {}
    bool Write(const std::uint8_t*, std::size_t) override { return true; }
    std::size_t Read(std::uint8_t*, std::size_t) override { return 0; }
    bool TakeLineError() override { return false; }
    void PurgeInput() override { calls_.push_back("purge input"); }
    void PurgeOutput() override { calls_.push_back("purge output"); }
    void Close() override { open_ = false; }

private:
    Calls& calls_;
    bool open_ = false;
};

struct NotingEvents : JobEvents {
    explicit NotingEvents(Calls& calls) : calls(calls) {}
    void SetCaption(int) override {}
    void SetGaugeRange(int) override {}
    void SetGaugePosition(int) override {}
    void ShowPrompt(int) override {}
    void JobDone() override { calls.push_back("done"); }
    Calls& calls;
};

TEST(TransferJob, ATransferEmptiesTheLineBeforeItTellsItIsDone) {
    // Whatever the radio still had to say must not reach the next job (or the alignment commands
    // after an alignment entry, which need the line as it is).
    for (const auto& [operation, last] :
         {std::pair{TransferOperation::Upload, Calls{"purge input", "purge output", "done"}},
          {TransferOperation::Download, Calls{"purge input", "purge output", "done"}},
          {TransferOperation::AlignEntry, Calls{"done"}}}) {
        Calls calls;
        ClonePort port(std::make_unique<SilentDevice>(calls));
        CloneImage image{};
        NotingEvents events(calls);
        test::RecordingPrompter prompter;
        TransferJob job({operation, "/dev/null"}, port, image, events, prompter);
        job.RequestCancel();  // ends the job at its first polling point
        job.Run();
        EXPECT_EQ(calls, last) << int(operation);
    }
}

}  // namespace
}  // namespace tarn
