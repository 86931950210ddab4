#pragma once
// The System Parameters dialog's rules for one opening: the thirteen lists, the enabling and Dual Watch
// rules, maintenance mode's extra rows, each choice written at once into the document's SystemSettings,
// OK's encoding and re-check of the channels, and Cancel's restoring of what the dialog found.
#include <string>
#include <vector>

#include "model/Document.h"
#include "model/SystemSettings.h"
#include "settings/SettingRow.h"

namespace tarn {

inline constexpr int kSystemParamsTemplate = 102;  // also the help context 0x20000 + 102
inline constexpr std::string_view kSystemParamsCaption = "System Parameters";

// The thirteen lists, top to bottom (labels 2401..2413 belong to them in the same order).
inline constexpr int kSysVfoBand = 2421;
inline constexpr int kSysCurrentMode = 2422;
inline constexpr int kSysHomeEmergencyMode = 2423;
inline constexpr int kSysDisplayMode = 2424;
inline constexpr int kSysAnlStatus = 2425;
inline constexpr int kSysDualWatch = 2426;
inline constexpr int kSysWeatherBand = 2427;
inline constexpr int kSysVhfExpansion = 2428;
inline constexpr int kSysGrayExpansion = 2429;
inline constexpr int kSysExpBandTx = 2430;
inline constexpr int kSysGrayBandTx = 2431;
inline constexpr int kSysBrsMode = 2432;
inline constexpr int kSysBrsModeTx = 2433;
inline constexpr int kSysFirstList = kSysVfoBand;
inline constexpr int kSysListCount = 13;

class SystemParamsEditor {
public:
    // Opens the dialog: decodes SystemSettings from the image again (dropping anything not encoded), and
    // applies the Dual Watch rule without marking the document modified. Remembers the settings and the
    // Modified flag as they were before, for Cancel.
    SystemParamsEditor(Document& document, bool maintenanceMode);

    // The thirteen rows in control order. VFO Band and Current Mode carry only the items that exist now;
    // a stored value without an item shows no selection (and stays as it is until the user chooses).
    std::vector<SettingRow> Rows() const;
    SettingRow Row(int controlId) const;

    // The user chose the item with `value` (its item data) in list `controlId`: stored in SystemSettings at
    // once with its further effects, and the document marked modified. Refused unless the row is visible,
    // enabled and has that item.
    EditStatus Choose(int controlId, std::uint32_t value);
    // Why the row cannot be changed now, in words for the user; empty when it can.
    std::string WhyNotChangeable(int controlId) const;

    // OK: encodes SystemSettings into the image; when a band switch was turned off, re-checks the MR and
    // BOOK channels (and, after Gray Expansion, the VHF Expansion and HOME records).
    void Ok();
    // Cancel or closing the window: SystemSettings and the Modified flag return to what they were before the
    // dialog opened, so nothing cancelled reaches a file or the radio.
    void Cancel();

    bool MaintenanceMode() const { return maintenance_; }

private:
    bool Enabled(int controlId) const;
    bool Visible(int controlId) const;
    void ApplyDualWatchRule();

    Document& document_;
    bool maintenance_;
    SystemSettings before_;
    bool modifiedBefore_;
    bool expansionChanged_ = false;
};

}  // namespace tarn
