// The checks around a merge; the merge itself is checked byte for byte by the end-to-end Download tests.
#include "link/ImageMerge.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(ImageMerge, OnlyTheRadiosOwnModelIdPasses) {
    struct Case {
        std::uint8_t byte4, byte5;
        bool accepted;
    };
    for (const Case& c : {Case{0x00, 0x02, true}, Case{0x00, 0x03, false}, Case{0x01, 0x02, false},
                          Case{0x02, 0x00, false}, Case{0x00, 0x00, false}}) {
        CloneImage image{};
        image[kModelIdOffset] = c.byte4;
        image[kModelIdOffset + 1] = c.byte5;
        EXPECT_EQ(HasRadioModelId(image), c.accepted) << int(c.byte4) << ' ' << int(c.byte5);
    }
}

TEST(ImageMerge, HardwareBitsCompareTheLowFourBitsOnly) {
    struct Case {
        std::uint8_t radio, program;
        bool match;
    };
    for (const Case& c : {Case{0x21, 0x51, true}, Case{0x0F, 0xFF, true}, Case{0x01, 0x02, false},
                          Case{0x08, 0x00, false}, Case{0xF0, 0x0F, false}}) {
        CloneImage radio{}, program{};
        radio[kHardwareConfigOffset] = c.radio;
        program[kHardwareConfigOffset] = c.program;
        EXPECT_EQ(HardwareBitsMatch(radio, program), c.match) << int(c.radio) << ' ' << int(c.program);
    }
}

}  // namespace
}  // namespace tarn
