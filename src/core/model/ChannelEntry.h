#pragma once
// One decoded memory channel (also the content of a VFO/HOME record).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarn {

// Bands (and the modes shown for them).
inline constexpr std::uint32_t kBandAm = 0;   // air band 108.000..136.975 MHz
inline constexpr std::uint32_t kBandExp = 1;  // FM expansion band 137.000..165.000 MHz
inline constexpr std::uint32_t kBandWfm = 2;  // FM broadcast 88.0..108.0 MHz
inline constexpr std::uint32_t kBandWx = 3;   // weather channels
inline constexpr std::uint32_t kBandBrs = 4;  // business-radio channels

inline constexpr std::uint32_t kToneNone = 0;
inline constexpr std::uint32_t kToneCtcss = 1;
inline constexpr std::uint32_t kToneDcs = 2;

inline constexpr std::uint32_t kShiftSimplex = 0;
inline constexpr std::uint32_t kShiftMinus = 1;
inline constexpr std::uint32_t kShiftPlus = 2;
inline constexpr std::uint32_t kShiftSplit = 3;

// The repeater shifts "-" and "+", the shift modes that use ShiftOffset.
inline constexpr bool IsShiftWithOffset(std::uint32_t shiftMode) {
    return shiftMode == kShiftMinus || shiftMode == kShiftPlus;
}

inline constexpr std::size_t kTagLength = 8;

struct ChannelEntry {
    std::string Label;             // first grid column ("   1", "PMSL"); empty for VFO/HOME records
    std::uint32_t Mode = 0;        // index into ModeNames
    std::uint32_t Band = 0;        // band used for validation
    std::array<char, kTagLength + 1> Tag{};               // TAG as text; '\0' ends it
    std::array<std::uint8_t, kTagLength + 1> TagCodes{};  // TAG codes as read from the record
    std::int32_t RxFrequency = 0;  // Hz
    std::int32_t TxFrequency = 0;  // Hz; the Split transmit frequency, else 0
    std::int32_t ShiftOffset = 0;  // Hz; repeater offset for ShiftMode 1 and 2, else 0
    std::uint32_t ToneType = kToneNone;
    std::uint32_t CtcssEncode = 0;
    std::uint32_t DcsDecode = 0;
    std::uint32_t DcsEncode = 0;
    std::uint32_t CtcssDecode = 0;
    std::uint32_t CtcssIndex = 0;  // the tone the editors and displays use
    std::uint32_t DcsIndex = 0;    // the code the editors and displays use
    std::uint32_t TxPower = 0;     // 0 LO, 1 HI
    std::uint32_t Step = 0;        // index into StepNames / StepResolution
    std::uint32_t ClockShift = 0;  // shown "v" for 0, "-" for 1
    std::uint32_t TagDisplay = 0;  // shown "v" for 1
    std::uint32_t Scan = 0;        // shown "v" for 1
    std::uint32_t ShiftMode = kShiftSimplex;
    std::uint32_t Narrow = 0;      // 0 Wide, 1 Narrow
    std::uint32_t RxUnit = 0;      // index into FrequencyUnits
    std::uint32_t TxUnit = 0;
    std::uint32_t Empty = 0;       // 1: the slot holds no channel

    friend bool operator==(const ChannelEntry&, const ChannelEntry&) = default;
};

// Copies up to eight characters of `text` into the entry's Tag; the rest of the Tag becomes '\0'.
void SetTag(ChannelEntry& entry, std::string_view text);
// The entry's Tag as text: up to eight characters, ending at its first '\0'. Views into the entry.
std::string_view TagView(const ChannelEntry& entry);

}  // namespace tarn
