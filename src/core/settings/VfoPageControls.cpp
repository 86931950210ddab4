#include "settings/VfoPageControls.h"

#include "model/ValueTables.h"

namespace tarn {
namespace {

constexpr int kNoRow = 0;

// Control ids by page (in sheet order) and row; kNoRow where the page has no such row.
constexpr int kIds[4][kVfoRowCount] = {
    {kNoRow, 5021, 5041, 5042, 5022, 5043, 5023, 5024, 5025, 5026, 5044, 5027},  // Air
    {kNoRow, 5081, 5071, 5072, 5082, 5073, 5083, 5084, 5085, 5086, 5074, 5087},  // VHF Expansion
    {kNoRow, 5131, 5121, 5122, 5132, 5123, 5133, 5134, 5135, 5136, 5124, 5137},  // FM Radio
    {5167, 5161, 5151, 5152, 5162, 5153, 5163, 5164, 5165, 5166, 5154, kNoRow},   // HOME
};

constexpr std::string_view kLabels[kVfoRowCount] = {
    "Mode",      "Wide/Narrow", "Receive Frequency", "Transmit Frequency", "RPT Shift",         "Shift Frequency",
    "Step",      "TX Power",    "Clock Shift",       "Sub Audio Type",     "CTCSS/DCS Enc&Dec", "RANGE"};

constexpr std::string_view kWideNarrow[] = {"Wide", "Narrow"};
constexpr std::string_view kAirPower[] = {"L1", "Hi"};
constexpr std::string_view kPower[] = {"Lo", "Hi"};
constexpr std::string_view kClockShift[] = {"On", "Off"};
constexpr std::string_view kSubAudioType[] = {"Off", "CTCSS", "DCS"};
constexpr std::string_view kRange[] = {"Off", "RX", "TX", "TRX"};

std::size_t PageIndex(VfoPage page) {
    switch (page) {
        case VfoPage::Air: return 0;
        case VfoPage::VhfExpansion: return 1;
        case VfoPage::FmRadio: return 2;
        case VfoPage::Home: break;
    }
    return 3;
}

}  // namespace

std::string_view VfoPageCaption(VfoPage page) {
    constexpr std::string_view kCaptions[] = {"Air", "VHF Expansion", "FM Radio", "HOME"};
    return kCaptions[PageIndex(page)];
}

int VfoPageTemplate(VfoPage page) { return 196 + static_cast<int>(PageIndex(page)); }

std::optional<std::uint32_t> VfoPageBand(VfoPage page) {
    switch (page) {
        case VfoPage::Air: return kBandAm;
        case VfoPage::VhfExpansion: return kBandExp;
        case VfoPage::FmRadio: return kBandWfm;
        case VfoPage::Home: break;
    }
    return std::nullopt;
}

int VfoControlId(VfoPage page, VfoRow row) { return kIds[PageIndex(page)][static_cast<std::size_t>(row)]; }

std::optional<VfoControl> FindVfoControl(int controlId) {
    if (controlId == kNoRow) return std::nullopt;
    for (const VfoPage page : kVfoSheetPages) {
        for (std::size_t row = 0; row < kVfoRowCount; ++row) {
            if (kIds[PageIndex(page)][row] == controlId) return VfoControl{page, static_cast<VfoRow>(row)};
        }
    }
    return std::nullopt;
}

std::string_view VfoRowLabel(VfoRow row) { return kLabels[static_cast<std::size_t>(row)]; }

bool IsVfoEdit(VfoRow row) {
    return row == VfoRow::ReceiveFrequency || row == VfoRow::TransmitFrequency || row == VfoRow::ShiftFrequency ||
           row == VfoRow::Tone;
}

bool VfoRowHidden(VfoPage page, VfoRow row) {
    if (page == VfoPage::Home) return false;
    return row == VfoRow::WideNarrow || row == VfoRow::ClockShift || row == VfoRow::Range;
}

std::span<const std::string_view> VfoFixedItems(VfoPage page, VfoRow row) {
    switch (row) {
        case VfoRow::WideNarrow: return kWideNarrow;
        case VfoRow::RptShift:
            if (page == VfoPage::VhfExpansion) return std::span(ShiftNames).first(3);
            if (page == VfoPage::FmRadio) return ShiftNames;
            return {};
        case VfoRow::Step: return StepNames;
        case VfoRow::TxPower: return page == VfoPage::Air || page == VfoPage::FmRadio ? kAirPower : kPower;
        case VfoRow::ClockShift: return kClockShift;
        case VfoRow::SubAudioType: return kSubAudioType;
        case VfoRow::Range: return kRange;
        default: return {};
    }
}

}  // namespace tarn
