#include "model/ImageChecksum.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(ImageChecksum, SumsBigEndianWordsIgnoringAnOddLastByteAndWrapping) {
    const std::uint8_t abc[] = {'a', 'b', 'c'};
    EXPECT_EQ(ImageChecksum(abc, 3), 0x6162);
    const std::uint8_t wrap[] = {0xFF, 0xFF, 0x00, 0x02};
    EXPECT_EQ(ImageChecksum(wrap, 4), 0x0001);
    EXPECT_EQ(ImageChecksum(abc, 0), 0);
}

}  // namespace
}  // namespace tarn
