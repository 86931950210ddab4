#include "settings/MiscSetupNumbers.h"

#include <cmath>
#include <cstdio>

#include "model/DecimalText.h"

namespace tarn {
namespace {

std::uint32_t LeadingIntegerWithin(std::string_view text, std::uint32_t max) {
    const std::int64_t n = LeadingInteger(text);
    return n < 0 ? 0 : n > static_cast<std::int64_t>(max) ? max : static_cast<std::uint32_t>(n);
}

}  // namespace

int NumberFilterKind(NumberRule rule) {
    switch (rule) {
        case NumberRule::TempCheckData: return 2;      // digits, blank, "-", "+"
        case NumberRule::TemperatureOffset: return 5;  // digits, ".", blank, "-", "+"
        case NumberRule::LedColor: break;
    }
    return 6;  // digits, blank
}

std::size_t NumberMaxLength(NumberRule rule) { return rule == NumberRule::TemperatureOffset ? 5 : 3; }

std::uint32_t TempCheckDataFromText(std::string_view text) { return LeadingIntegerWithin(text, kTempCheckDataMax); }

std::uint32_t LedColorFromText(std::string_view text) { return LeadingIntegerWithin(text, kLedColorMax); }

double TemperatureOffsetFromText(std::string_view text) {
    const double typed = DecimalValue(text);
    // Whatever lies beyond the limits ends at them; this also keeps the hundredths within a long.
    const double bounded = std::isfinite(typed) ? std::fmax(std::fmin(typed, 100.0), -100.0) : 0.0;
    // A hair away from zero before cutting, so a number typed as 1.15 counts as 115 hundredths, not 114.99...
    long hundredths = static_cast<long>(std::trunc(bounded * 100 + (bounded < 0 ? -1e-6 : 1e-6)));
    const long remainder = hundredths % 10;
    if (remainder > 0) hundredths += remainder >= 5 ? 10 - remainder : -remainder;
    if (remainder < 0) hundredths -= remainder;
    const double degrees = static_cast<double>(hundredths / 10) / 10.0;
    return std::fmax(std::fmin(degrees, kTemperatureOffsetLimit), -kTemperatureOffsetLimit);
}

std::string NumberText(NumberRule rule, std::string_view typed) {
    switch (rule) {
        case NumberRule::TempCheckData: return std::to_string(TempCheckDataFromText(typed));
        case NumberRule::TemperatureOffset: return TemperatureOffsetText(TemperatureOffsetFromText(typed));
        case NumberRule::LedColor: break;
    }
    return std::to_string(LedColorFromText(typed));
}

std::string TemperatureOffsetText(double degrees) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", degrees);
    return text;
}

std::string FahrenheitText(std::uint32_t celsius) {
    return std::to_string(static_cast<long>(std::floor(celsius * 1.8 + 32 + 0.5))) + " F";
}

}  // namespace tarn
