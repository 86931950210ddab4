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

// Read exactly from the digits: "118.0125" is 118012500 Hz, not the 118012499.99... of a binary double.
TEST(DecimalText, ScaledDecimalReadsPlainDecimalsExactlyAndRefusesEverythingElse) {
    for (auto [text, value] : {std::pair<const char*, std::int64_t>{"118.0125", 118012500}, {" 146.52 ", 146520000},
                               {"5", 5000000}, {".5", 500000}, {"1.2345675", 1234568}, {"1.2345674", 1234567}}) {
        EXPECT_EQ(ScaledDecimal(text, 6), value) << text;
    }
    for (const char* text : {"", " ", ".", "-1", "+1", "1e3", "1.2.3", "12 3", "1,5", "9999999999999999999999"}) {
        EXPECT_EQ(ScaledDecimal(text, 6), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace tarn
