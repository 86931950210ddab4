#pragma once
// Frequencies are held in Hz and handled as MHz doubles for validation and rounding.
#include <cstdint>
#include <string_view>

namespace tarn {

// Hz / 100 / 10000.
double HzToMhz(std::int32_t hz);
// The whole part of MHz x 1 000 000, rounded to a multiple of 10 Hz (last digit 0..4 down, 5..9 up);
// kept within the range of a signed 32-bit value.
std::int32_t MhzToHz(double mhz);
// A frequency typed as MHz text, as the model holds it: converted to Hz on the 10 Hz grid, so that a
// typed value equals the same value read from the image (162.55 matches a weather channel). Absurd
// values (empty, negative, 1e9) are clamped to the 32-bit range before they become integers; the band
// rules then clamp them into a band.
std::int32_t TypedFrequencyHz(std::string_view text);
// `mhz` rounded to the nearest multiple of `resolutionHz` (half way rounds up); 0.0 stays 0.0.
double RoundToResolution(double mhz, std::int32_t resolutionHz);

}  // namespace tarn
