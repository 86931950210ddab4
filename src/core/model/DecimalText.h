#pragma once
// Numbers typed or pasted as text. The program's texts always use "." as the decimal point, whatever
// locale the desktop has set for the process, so these never use the locale's conventions.
#include <cstdint>
#include <string_view>

namespace tarn {

// The decimal number at the start of `text` after leading white space ("  88.5" is 88.5, "12abc" is 12);
// 0 when the text does not start with one. Too large values give infinity.
double DecimalValue(std::string_view text);

// The decimal integer at the start of `text` after leading white space; 0 when there is none. Values
// beyond 64 bits are kept at the nearest 64-bit limit.
std::int64_t LeadingInteger(std::string_view text);

}  // namespace tarn
