#pragma once
// The number edits of the Misc Setup page: what each accepts, how typed text becomes its value (corrected
// silently into its limits) and how the value is shown.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarn {

inline constexpr std::uint32_t kTempCheckDataMax = 110;
inline constexpr double kTemperatureOffsetLimit = 12.7;
inline constexpr std::uint32_t kLedColorMax = 255;

// How a number edit turns typed text into its value and shows it.
enum class NumberRule { TempCheckData, TemperatureOffset, LedColor };

// The edit's character filter kind (UndoLockEditCharacter) and its maximum length.
int NumberFilterKind(NumberRule rule);
std::size_t NumberMaxLength(NumberRule rule);

// The leading decimal integer of `text` (0 without one) limited to 0..110.
std::uint32_t TempCheckDataFromText(std::string_view text);
// The decimal number of `text` (0 without one) in hundredths cut toward zero, rounded to tenths (a remainder
// of 5 and more rounds up, a negative remainder is dropped), limited to -12.7..12.7.
double TemperatureOffsetFromText(std::string_view text);
// The leading decimal integer of `text` (0 without one) limited to 0..255.
std::uint32_t LedColorFromText(std::string_view text);

// What the edit of `rule` shows once `typed` has been entered into it.
std::string NumberText(NumberRule rule, std::string_view typed);
// "%.1f" of the offset.
std::string TemperatureOffsetText(double degrees);
// The TEMP Check Data value in Fahrenheit, value x 1.8 + 32 rounded half up, as "%-d F".
std::string FahrenheitText(std::uint32_t celsius);

}  // namespace tarn
