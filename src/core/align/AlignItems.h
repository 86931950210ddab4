#pragma once
// The 24 items of the Alignment dialog: where each value lives in the image's alignment block (and so
// in the radio's alignment memory, whose word A is image bytes 2A and 2A + 1), its range, what applying
// it sends live, and what its ADJ button does.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/CloneImage.h"

namespace tarn {

inline constexpr int kAlignItemCount = 24;

namespace align_items {
inline constexpr int kThresholdSquelch = 0;
inline constexpr int kTightSquelch = 1;
inline constexpr int kSquelchHysteresis = 2;
inline constexpr int kReferenceTune = 5;
inline constexpr int kVorAngle = 8;
inline constexpr int kAmHighPower = 9;
inline constexpr int kAmLowPower = 10;
inline constexpr int kAmHighPowerMod = 11;
inline constexpr int kAmLowPowerMod = 12;
inline constexpr int kModLevel = 17;
inline constexpr int kCtcssLevel = 19;
inline constexpr int kCtcssLevelNarrow = 20;
inline constexpr int kDcsLevelCheck = 21;
inline constexpr int kVorPhase = 22;
inline constexpr int kSMeter = 23;
// Items 0..4 have a second place, used when the test channel is WFM.
inline constexpr int kTwoSourceItems = 5;
}  // namespace align_items

// How a value sits in its image byte.
enum class AlignBits { Byte, LowNibble, HighNibble, SignedByte };

struct AlignField {
    std::uint8_t imageByte = 0;
    AlignBits bits = AlignBits::Byte;

    std::uint16_t WordAddress() const { return imageByte / 2; }
    int WordByte() const { return imageByte % 2; }
    int Read(std::uint8_t byte) const;
    // `byte` with `value` put into this field's bits only.
    std::uint8_t Write(std::uint8_t byte, int value) const;
};

// The command applying a typed value sends before it writes the alignment memory.
enum class AlignLive { None, Level, ReferenceTune, ModulationAm, ModulationFm, ModulationCtcss };

// What the ADJ button does.
enum class AlignAction {
    None,
    Capture,         // takes a measurement byte as the value
    SMeter,          // shows measurement byte 5
    VorAngle,        // reads the VOR angle
    TransmitTest,    // keys at the item's level
    ReferenceTune,   // keys with the reference tune value
    AmModulation,    // keys at a power item's level with the AM modulation level
    FmModulation,
    CtcssTest,       // only on a CTCSS channel
    DcsTest,         // only on a DCS channel
};

struct AlignItem {
    std::string_view label;
    std::optional<AlignField> field;     // none: held only, never stored
    std::optional<AlignField> wfmField;  // items 0..4 on a WFM test channel
    bool applies = false;                // a typed value is written to the radio
    int min = 0;
    int max = 255;
    AlignLive live = AlignLive::None;
    AlignAction action = AlignAction::None;
    int measurementByte = 0;  // Capture, SMeter
};

extern const std::array<AlignItem, kAlignItemCount> kAlignItems;

// An optional sign and the leading digits (none counts as 0), clamped to the item's range.
int ParseAlignValue(int item, std::string_view text);

// The VOR angle in degrees from the radio's raw reading: raw / 57, rounded up past a remainder of 28.
int VorAngleDegrees(std::uint16_t raw);

}  // namespace tarn
