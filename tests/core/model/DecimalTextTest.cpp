#include "model/DecimalText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarn {
namespace {

TEST(DecimalText, TakesTheNumberAtTheStartAfterBlanks) {
    for (auto [text, value] : {std::pair{" 88.5", 88.5}, {"119.113", 119.113}, {"12abc", 12.0}, {".5", 0.5}, {"", 0.0},
                               {"   ", 0.0}, {"abc", 0.0}, {"1e999", HUGE_VAL}}) {
        EXPECT_DOUBLE_EQ(DecimalValue(text), value) << text;
    }
    // Decimal, not octal; kept within 64 bits.
    for (auto [text, value] : {std::pair<const char*, std::int64_t>{"  71", 71}, {"12.5", 12}, {"024", 24}, {"x5", 0},
                               {"99999999999999999999999", INT64_MAX}}) {
        EXPECT_EQ(LeadingInteger(text), value) << text;
    }
}

}  // namespace
}  // namespace tarn
