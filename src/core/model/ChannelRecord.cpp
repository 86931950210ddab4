#include "model/ChannelRecord.h"

#include <algorithm>
#include <cstdint>

#include "model/ChannelTable.h"
#include "model/FrequencyConversion.h"
#include "model/SettingsField.h"
#include "model/ValueTables.h"
#include "model/VfoRecord.h"

namespace tarn {
namespace {

// Byte positions inside a record.
constexpr std::size_t kModeStepByte = 0;   // Mode 7..5, TxPower 4..3, Step 2..0
constexpr std::size_t kFlagsByte = 1;      // RxUnit 7, ClockShift 6, TagDisplay 5, Scan 4, ShiftMode 3..2
constexpr std::size_t kToneBandByte = 2;   // tone kind 7, encode 6, decode 5, Band 4..2, Narrow 1, TxUnit 0
constexpr std::size_t kCtcssByte = 4;
constexpr std::size_t kDcsByte = 5;
constexpr std::size_t kTagByte = 6;
constexpr std::size_t kRxCountByte = 14;
constexpr std::size_t kTxCountByte = 16;  // the Split count, or the offset in byte 16

constexpr std::uint8_t kToneIsDcs = 0x80;
constexpr std::uint8_t kToneEncode = 0x40;
constexpr std::uint8_t kToneDecode = 0x20;

constexpr std::int32_t kShiftOffsetUnit = 50000;
constexpr std::int32_t kEmptyCountFrequency = 118000000;  // a count whose high byte is 0 reads as 118 MHz
constexpr std::uint8_t kErasedRxCount[2] = {0x49, 0xC0};  // 18880 x 6250 Hz = 118.000 MHz

// MR, BOOK and the VFO/HOME records are classified; WX and BRS records keep their frequency as read.
bool IsClassified(std::size_t offset) { return offset < kWxRecordsOffset || offset >= kMrRecordsOffset; }

std::int32_t UnitHz(std::uint32_t unit) { return FrequencyUnits[unit & 1u]; }

std::uint16_t Count(const std::uint8_t* bytes) { return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]); }

// A frequency as a count of `unitHz`, clamped to what 16 bits hold.
void PutCount(std::uint8_t* bytes, std::int32_t hz, std::int32_t unitHz) {
    const std::int32_t count = std::clamp(hz / unitHz, 0, 0xFFFF);
    bytes[0] = static_cast<std::uint8_t>(count >> 8);
    bytes[1] = static_cast<std::uint8_t>(count & 0xFF);
}

std::uint8_t ClampToByte(std::uint32_t value) { return static_cast<std::uint8_t>(std::min<std::uint32_t>(value, 0xFF)); }

void RewriteErasedRecord(CloneImage& image, std::size_t offset) {
    std::uint8_t* r = image.data() + offset;
    std::copy_n(image.data() + kAirVfoRecordOffset, kChannelRecordSize, r);
    r[kFlagsByte] = static_cast<std::uint8_t>((r[kFlagsByte] & ~0x0C) | 0x80);  // Simplex, 6250 Hz unit
    r[kRxCountByte] = kErasedRxCount[0];
    r[kRxCountByte + 1] = kErasedRxCount[1];
    r[kTxCountByte] = 0;
    r[kTxCountByte + 1] = 0;
}

// The receive frequency as the record at `offset` keeps it: classified and rounded for MR, BOOK and VFO/HOME
// records, with `band` set to the band found; only converted to MHz and back for WX and BRS records.
std::int32_t RecordRxFrequency(const ChannelEntry& entry, std::size_t offset, const BandContext& context,
                               std::uint32_t& band) {
    double mhz = HzToMhz(entry.RxFrequency);
    if (IsClassified(offset)) {
        std::size_t slot = 0;
        band = ClassifyFrequency(entry, mhz, entry.Step, slot, context);
    }
    return MhzToHz(mhz);
}

std::int32_t SplitFrequency(const ChannelEntry& entry) {
    if (entry.ShiftMode != kShiftSplit) return 0;
    double mhz = HzToMhz(entry.TxFrequency);
    ClampSplitFrequency(entry, mhz, entry.Step);
    return MhzToHz(mhz);
}

}  // namespace

void DecodeChannelRecord(CloneImage& image, std::size_t offset, ChannelEntry& entry, const BandContext& context) {
    const std::uint8_t* r = image.data() + offset;
    if (offset >= kWxRecordsOffset && r[kRxCountByte] == 0xFF && r[kRxCountByte + 1] == 0xFF) {
        RewriteErasedRecord(image, offset);
    }
    entry.Mode = r[kModeStepByte] >> 5;
    entry.Band = (r[kToneBandByte] >> 2) & 7u;
    for (std::size_t i = 0; i < kTagLength; ++i) {
        entry.TagCodes[i] = r[kTagByte + i];
        entry.Tag[i] = TagCharacter(r[kTagByte + i]);
    }
    entry.TagCodes[kTagLength] = 0;
    entry.Tag[kTagLength] = '\0';

    entry.ShiftMode = (r[kFlagsByte] >> 2) & 3u;
    entry.ShiftOffset = IsShiftWithOffset(entry.ShiftMode) ? r[kTxCountByte] * kShiftOffsetUnit : 0;
    entry.RxUnit = r[kFlagsByte] >> 7;
    entry.TxUnit = r[kToneBandByte] & 1u;
    entry.RxFrequency =
        r[kRxCountByte] == 0 ? kEmptyCountFrequency : Count(r + kRxCountByte) * UnitHz(entry.RxUnit);
    entry.TxFrequency = 0;
    if (entry.ShiftMode == kShiftSplit) {
        entry.TxFrequency =
            r[kTxCountByte] == 0 ? entry.RxFrequency : Count(r + kTxCountByte) * UnitHz(entry.TxUnit);
    }

    entry.ToneType = kToneNone;
    entry.CtcssEncode = entry.DcsDecode = entry.DcsEncode = entry.CtcssDecode = 0;
    const std::uint8_t tone = r[kToneBandByte];
    if (tone & kToneEncode) {
        if (tone & kToneIsDcs) {
            entry.ToneType = kToneDcs;
            entry.DcsEncode = r[kDcsByte];
        } else {
            entry.ToneType = kToneCtcss;
            entry.CtcssEncode = r[kCtcssByte];
        }
    }
    if (tone & kToneDecode) {
        if (!(tone & kToneIsDcs)) {
            entry.ToneType = kToneCtcss;
            entry.CtcssDecode = r[kCtcssByte];
        } else {
            entry.ToneType = kToneDcs;
            entry.DcsDecode = r[kDcsByte];
        }
    }
    entry.CtcssIndex = entry.CtcssEncode;
    entry.DcsIndex = entry.DcsEncode;

    entry.Step = r[kModeStepByte] & 7u;
    entry.TxPower = (r[kModeStepByte] & 0x18) ? 1 : 0;
    entry.ClockShift = (r[kFlagsByte] >> 6) & 1u;
    entry.TagDisplay = (r[kFlagsByte] >> 5) & 1u;
    entry.Scan = (r[kFlagsByte] >> 4) & 1u;
    entry.Narrow = (r[kToneBandByte] >> 1) & 1u;

    std::uint32_t band = entry.Band;
    const std::int32_t rxFrequency = RecordRxFrequency(entry, offset, context, band);
    if (band != entry.Band) {
        entry.Band = band;
        entry.Mode = band;
        ApplyBandDefaults(entry, context);
    }
    entry.RxFrequency = rxFrequency;  // whatever the band defaults did to it
    entry.TxFrequency = SplitFrequency(entry);
}

void EncodeChannelRecord(ChannelEntry& entry, CloneImage& image, std::size_t offset, const BandContext& context) {
    std::uint32_t band = entry.Band;
    entry.RxFrequency = RecordRxFrequency(entry, offset, context, band);
    if (IsClassified(offset)) {
        entry.Band = band;
        entry.Mode = band;
    }
    if (entry.ShiftMode == kShiftSplit) entry.TxFrequency = SplitFrequency(entry);

    std::uint8_t* r = image.data() + offset;
    WriteBits(image, offset + kModeStepByte, 5, 3, entry.Mode);
    WriteBits(image, offset + kToneBandByte, 2, 3, entry.Band);

    for (std::size_t i = 0; i < kTagLength; ++i) {
        const std::uint8_t code = TagCode(entry.Tag[i]);
        const bool keepSpecial = code == kTagBlankCode && static_cast<std::int8_t>(entry.TagCodes[i]) >= 94;
        r[kTagByte + i] = keepSpecial ? entry.TagCodes[i] : code;
    }

    PutCount(r + kRxCountByte, entry.RxFrequency, UnitHz(entry.RxUnit));
    r[kTxCountByte] = 0;
    r[kTxCountByte + 1] = 0;
    if (entry.ShiftMode == kShiftSplit) PutCount(r + kTxCountByte, entry.TxFrequency, UnitHz(entry.TxUnit));

    entry.CtcssEncode = entry.CtcssDecode = entry.CtcssIndex;
    entry.DcsEncode = entry.DcsDecode = entry.DcsIndex;
    r[kToneBandByte] &= static_cast<std::uint8_t>(~(kToneIsDcs | kToneEncode | kToneDecode));
    r[kCtcssByte] = 0;
    r[kDcsByte] = 0;
    if (entry.ToneType == kToneDcs) {
        r[kToneBandByte] |= kToneIsDcs | kToneEncode | kToneDecode;
        r[kDcsByte] = ClampToByte(entry.DcsIndex);
    } else if (entry.ToneType == kToneCtcss) {
        r[kToneBandByte] |= kToneEncode | kToneDecode;
        r[kCtcssByte] = ClampToByte(entry.CtcssIndex);
    }

    WriteBits(image, offset + kModeStepByte, 3, 2, entry.TxPower == 1 ? 3 : 0);
    WriteBits(image, offset + kModeStepByte, 0, 3, entry.Step);
    WriteBits(image, offset + kFlagsByte, 6, 1, entry.ClockShift);
    WriteBits(image, offset + kFlagsByte, 5, 1, entry.TagDisplay);
    WriteBits(image, offset + kFlagsByte, 4, 1, entry.Scan);
    WriteBits(image, offset + kFlagsByte, 2, 2, entry.ShiftMode);
    if (IsShiftWithOffset(entry.ShiftMode)) {
        r[kTxCountByte] = ClampToByte(static_cast<std::uint32_t>(std::max(entry.ShiftOffset, 0)) / kShiftOffsetUnit);
    }
    WriteBits(image, offset + kToneBandByte, 1, 1, entry.Narrow);
    WriteBits(image, offset + kFlagsByte, 7, 1, entry.RxUnit);
    WriteBits(image, offset + kToneBandByte, 0, 1, entry.TxUnit);
}

}  // namespace tarn
