#pragma once
// The VFO & HOME sheet's pages and the controls each page has: which rows exist (some created hidden),
// their control ids, labels and fixed list items. The sheet editor, and through it the pages and the
// command line, work from this table.
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "model/VfoRecord.h"

namespace tarn {

// The pages in the order the sheet shows them; the VHF Expansion page only while Gray Expansion is on.
inline constexpr std::array<VfoPage, 4> kVfoSheetPages{VfoPage::Air, VfoPage::VhfExpansion, VfoPage::FmRadio,
                                                       VfoPage::Home};
inline constexpr std::string_view kVfoSheetCaption = "VFO & HOME";

// The rows of a page, top to bottom.
enum class VfoRow {
    Mode,
    WideNarrow,
    ReceiveFrequency,
    TransmitFrequency,
    RptShift,
    ShiftFrequency,
    Step,
    TxPower,
    ClockShift,
    SubAudioType,
    Tone,
    Range
};
inline constexpr std::size_t kVfoRowCount = 12;

std::string_view VfoPageCaption(VfoPage page);
int VfoPageTemplate(VfoPage page);  // its help context is 0x20000 + it
// The band a page's receive frequency belongs to (HOME's follows the frequency: none).
std::optional<std::uint32_t> VfoPageBand(VfoPage page);

// The control id of `row` on `page`; 0 when the page has no such row.
int VfoControlId(VfoPage page, VfoRow row);
struct VfoControl {
    VfoPage page;
    VfoRow row;
};
std::optional<VfoControl> FindVfoControl(int controlId);

std::string_view VfoRowLabel(VfoRow row);
bool IsVfoEdit(VfoRow row);
// Rows created invisible and disabled on the page: their values pass through unchanged.
bool VfoRowHidden(VfoPage page, VfoRow row);
// The fixed items of a list row, item i standing for value i; empty for the lists built at run time
// (Mode, and RPT Shift on Air and HOME) and for edits.
std::span<const std::string_view> VfoFixedItems(VfoPage page, VfoRow row);

}  // namespace tarn
