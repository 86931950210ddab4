#include "model/DecimalText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarn {
namespace {

TEST(DecimalText, TakesTheNumberAtTheStartAfterBlanks) {
    EXPECT_DOUBLE_EQ(DecimalValue(" 88.5"), 88.5);
    EXPECT_DOUBLE_EQ(DecimalValue("119.113"), 119.113);
    EXPECT_DOUBLE_EQ(DecimalValue("12abc"), 12.0);
    EXPECT_DOUBLE_EQ(DecimalValue(".5"), 0.5);
    EXPECT_DOUBLE_EQ(DecimalValue(""), 0.0);
    EXPECT_DOUBLE_EQ(DecimalValue("   "), 0.0);
    EXPECT_DOUBLE_EQ(DecimalValue("abc"), 0.0);
    EXPECT_TRUE(std::isinf(DecimalValue("1e999")));

    EXPECT_EQ(LeadingInteger("  71"), 71);
    EXPECT_EQ(LeadingInteger("12.5"), 12);
    EXPECT_EQ(LeadingInteger("024"), 24);  // decimal, not octal
    EXPECT_EQ(LeadingInteger("x5"), 0);
    EXPECT_EQ(LeadingInteger("99999999999999999999999"), INT64_MAX);
}

}  // namespace
}  // namespace tarn
