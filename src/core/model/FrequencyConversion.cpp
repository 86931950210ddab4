#include "model/FrequencyConversion.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/DecimalText.h"

namespace tarn {

double HzToMhz(std::int32_t hz) { return static_cast<double>(hz) / 100 / 10000; }

std::int32_t MhzToHz(double mhz) {
    constexpr double kLimit = std::numeric_limits<std::int32_t>::max() - 10;
    double whole = std::trunc(mhz * 1000000.0);
    if (!(whole > -kLimit)) whole = -kLimit;  // also catches NaN
    if (whole > kLimit) whole = kLimit;
    const auto hz = static_cast<std::int64_t>(whole);
    const std::int64_t magnitude = hz < 0 ? -hz : hz;
    std::int64_t rounded = magnitude - magnitude % 10;
    if (magnitude % 10 >= 5) rounded += 10;
    return static_cast<std::int32_t>(hz < 0 ? -rounded : rounded);
}

std::int32_t TypedFrequencyHz(std::string_view text) { return MhzToHz(DecimalValue(text)); }

double RoundToResolution(double mhz, std::int32_t resolutionHz) {
    if (mhz == 0.0) return mhz;
    const double q = mhz * 10000 * 100 / resolutionHz;
    double n = std::trunc(q);
    if (q - n >= 0.5) n += 1;
    return n * resolutionHz / 1000000;
}

}  // namespace tarn
