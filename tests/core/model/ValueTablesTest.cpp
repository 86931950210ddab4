#include "model/ValueTables.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(TagAlphabet, MapsEveryCodeAndBackAgain) {
    const std::string_view anchors = "09AZaz., :\"@\\}";
    const std::uint8_t codes[] = {0, 9, 10, 35, 36, 61, 62, 63, 64, 65, 68, 84, 86, 93};
    for (std::size_t i = 0; i < anchors.size(); ++i) EXPECT_EQ(TagCharacter(codes[i]), anchors[i]) << int(codes[i]);
    for (int code = 0; code < 256; ++code) {
        const char c = TagCharacter(static_cast<std::uint8_t>(code));
        // 94 different characters, then blanks, then the end of the text.
        EXPECT_EQ(code < 94 ? TagCode(c) : c, code < 94 ? code : code < 125 ? ' ' : '\0') << code;
    }
    EXPECT_EQ(TagCode('~'), kTagBlankCode);
    EXPECT_EQ(TagCode('\0'), kTagBlankCode);
}

TEST(ValueTables, OutOfRangeIndexesGiveAnEmptyTextAndComplementsStayInside) {
    EXPECT_EQ(TableText(ModeNames, 4), "BRS");
    EXPECT_EQ(TableText(ModeNames, 5), "");
    EXPECT_EQ(TableText(CtcssTones, 50), "");
    EXPECT_EQ(TableText(DcsCodes, 0xFFFFFFFFu), "");
    EXPECT_EQ(DcsCodes[DcsComplement[0]], "047");
    EXPECT_EQ(DcsCodes[DcsComplement[7]], "023");
    for (std::uint8_t index : DcsComplement) EXPECT_LT(index, DcsCodes.size());
}

TEST(ValueTables, TypedTonesAndCodesFindTheFirstEntryNotBelow) {
    for (auto [text, index] : {std::pair{"023", 0u}, {"0", 0u}, {"24", 1u}, {"754", 105u}, {"999", 105u}}) {
        EXPECT_EQ(DcsIndexFromText(text), index) << text;
    }
    // The further tones (39..49) are never chosen from typed text.
    for (auto [text, index] : {std::pair{"67", 0u}, {"100", 12u}, {"100.1", 13u}, {"254.1", 38u}, {"159.8", 26u}}) {
        EXPECT_EQ(CtcssIndexFromText(text), index) << text;
    }
}

}  // namespace
}  // namespace tarn
