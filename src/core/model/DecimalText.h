#pragma once
// Numbers typed or pasted as text. The program's texts always use "." as the decimal point, whatever
// locale the desktop has set for the process, so these never use the locale's conventions.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarn {

// The decimal number at the start of `text` after leading white space ("  88.5" is 88.5, "12abc" is 12);
// 0 when the text does not start with one. Too large values give infinity.
double DecimalValue(std::string_view text);

// The decimal integer at the start of `text` after leading white space; 0 when there is none. Values
// beyond 64 bits are kept at the nearest 64-bit limit.
std::int64_t LeadingInteger(std::string_view text);

// A plain decimal text ("146.52", " 88.5", "5") read exactly, without binary floating point, as a whole
// count of 10^-decimals: ScaledDecimal("146.52", 6) is 146520000. Further decimals round half up. Nothing
// for anything else (signs, exponents, no digits, trailing characters other than blanks, absurd sizes).
std::optional<std::int64_t> ScaledDecimal(std::string_view text, int decimals);

}  // namespace tarn
