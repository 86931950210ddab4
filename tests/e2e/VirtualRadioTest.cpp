// The virtual radio's model of a USB serial adapter, which the transfer tests rely on.
#include <gtest/gtest.h>

#include <chrono>

#include "SimHarness.h"
#include "link/Link.h"

namespace tarn::test {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

TEST(VirtualRadio, HandsOnWhatItSendsAsAUsbAdapterDoes) {
    // Held until the latency has passed since the first byte held, or at once when 62 bytes are held.
    // The request's echo and the 132 bytes of the first block: two full buffers, then 9 bytes held.
    SimRadio radio({"--latency", "1000"});
    ClonePort port;
    ASSERT_TRUE(OpenLink(port, radio.Port()));
    const std::uint8_t request = 0x70;
    const auto start = Clock::now();
    ASSERT_TRUE(port.Write(&request, 1));
    Bytes got(133);
    EXPECT_EQ(ReceiveBytes(port, got.data(), 124), LinkResult::Ok);
    EXPECT_LT(Clock::now() - start, milliseconds(500));
    while (ReceiveByte(port, got[124]) == LinkResult::NoData && Clock::now() - start < milliseconds(3000)) {
    }
    EXPECT_GE(Clock::now() - start, milliseconds(1000));
    EXPECT_EQ(ReceiveBytes(port, got.data() + 125, 8), LinkResult::Ok);
    const Bytes blocks = Blocks(0x20, RadioImage());
    EXPECT_EQ(got, Concat({{0x70}, Bytes(blocks.begin(), blocks.begin() + 132)}));
}

}  // namespace
}  // namespace tarn::test
