#include "model/ValueTables.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(TagAlphabet, MapsEveryCodeAndBackAgain) {
    for (int code = 0; code < 256; ++code) {
        const char c = TagCharacter(static_cast<std::uint8_t>(code));
        // 94 different characters, then blanks, then the end of the text.
        EXPECT_EQ(code < 94 ? TagCode(c) : c, code < 94 ? code : code < 125 ? ' ' : '\0') << code;
    }
    EXPECT_EQ(std::tuple(TagCode('~'), TagCode('\0')), std::tuple(kTagBlankCode, kTagBlankCode));
}

TEST(ValueTables, TypedTonesAndCodesFindTheFirstEntryNotBelow) {
    for (auto [text, index] : {std::pair{"023", 0u}, {"0", 0u}, {"24", 1u}, {"754", 105u}, {"999", 105u}}) {
        EXPECT_EQ(DcsIndexFromText(text), index) << text;
    }
    // The further tones (39..49) are never chosen from typed text.
    for (auto [text, index] : {std::pair{"67", 0u}, {"100", 12u}, {"100.1", 13u}, {"254.1", 38u}, {"159.8", 26u}}) {
        EXPECT_EQ(CtcssIndexFromText(text), index) << text;
    }
    for (std::uint8_t index : DcsComplement) EXPECT_LT(index, DcsCodes.size());
}

}  // namespace
}  // namespace tarn
