#include "model/ValueTables.h"

#include <gtest/gtest.h>

#include <string>

namespace tarn {
namespace {

TEST(TagAlphabet, MapsEveryCodeAndBackAgain) {
    EXPECT_EQ(TagCharacter(0), '0');
    EXPECT_EQ(TagCharacter(9), '9');
    EXPECT_EQ(TagCharacter(10), 'A');
    EXPECT_EQ(TagCharacter(35), 'Z');
    EXPECT_EQ(TagCharacter(36), 'a');
    EXPECT_EQ(TagCharacter(61), 'z');
    EXPECT_EQ(TagCharacter(62), '.');
    EXPECT_EQ(TagCharacter(63), ',');
    EXPECT_EQ(TagCharacter(64), ' ');
    EXPECT_EQ(TagCharacter(65), ':');
    EXPECT_EQ(TagCharacter(68), '"');
    EXPECT_EQ(TagCharacter(84), '@');
    EXPECT_EQ(TagCharacter(86), '\\');
    EXPECT_EQ(TagCharacter(93), '}');
    for (int code = 94; code <= 124; ++code) EXPECT_EQ(TagCharacter(static_cast<std::uint8_t>(code)), ' ') << code;
    for (int code = 125; code <= 255; ++code) EXPECT_EQ(TagCharacter(static_cast<std::uint8_t>(code)), '\0') << code;

    // Codes 0..93 are 94 different characters, each of which maps back to its code.
    for (int code = 0; code < 94; ++code) {
        EXPECT_EQ(TagCode(TagCharacter(static_cast<std::uint8_t>(code))), code) << code;
    }
    EXPECT_EQ(TagCode('~'), kTagBlankCode);
    EXPECT_EQ(TagCode('\0'), kTagBlankCode);
    EXPECT_EQ(TagCode('\xE9'), kTagBlankCode);
}

TEST(ValueTables, OutOfRangeIndexesGiveAnEmptyText) {
    EXPECT_EQ(TableText(ModeNames, 4), "BRS");
    EXPECT_EQ(TableText(ModeNames, 5), "");
    EXPECT_EQ(TableText(CtcssTones, 49), "254.1");
    EXPECT_EQ(TableText(CtcssTones, 50), "");
    EXPECT_EQ(TableText(DcsCodes, 105), "754");
    EXPECT_EQ(TableText(DcsCodes, 0xFFFFFFFFu), "");
}

TEST(ValueTables, ComplementPairsDcsCodes) {
    EXPECT_EQ(DcsCodes[DcsComplement[0]], "047");
    EXPECT_EQ(DcsCodes[DcsComplement[7]], "023");
    for (std::uint8_t index : DcsComplement) EXPECT_LT(index, DcsCodes.size());
}

TEST(ValueTables, TypedTonesAndCodesFindTheFirstEntryNotBelow) {
    EXPECT_EQ(DcsIndexFromText("023"), 0u);
    EXPECT_EQ(DcsIndexFromText("0"), 0u);
    EXPECT_EQ(DcsIndexFromText("24"), 1u);
    EXPECT_EQ(DcsIndexFromText("754"), 105u);
    EXPECT_EQ(DcsIndexFromText("999"), 105u);
    EXPECT_EQ(DcsIndexFromText("abc"), 0u);

    EXPECT_EQ(CtcssIndexFromText("67"), 0u);
    EXPECT_EQ(CtcssIndexFromText("100"), 12u);
    EXPECT_EQ(CtcssIndexFromText("100.1"), 13u);
    EXPECT_EQ(CtcssIndexFromText("250.3"), 38u);
    // The further tones (39..49) are never chosen from typed text.
    EXPECT_EQ(CtcssIndexFromText("254.1"), 38u);
    EXPECT_EQ(CtcssIndexFromText("159.8"), 26u);
}

}  // namespace
}  // namespace tarn
