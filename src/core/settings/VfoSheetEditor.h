#pragma once
// The VFO & HOME sheet's rules for one opening: four pages (VHF Expansion only while Gray Expansion is on),
// each on its VfoRecord read from the image when the page is first shown. List choices and typed
// frequencies go through the channel grid's frequency rules; OK writes the pages that were shown (marking
// the document modified when one of them changed); Cancel writes nothing.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Document.h"
#include "settings/SettingRow.h"
#include "settings/VfoPageControls.h"

namespace tarn {

// What the tone edit's pick list starts from: the tone type (1 CTCSS, 2 DCS) and the stored index.
struct TonePick {
    std::uint32_t toneType;
    std::uint32_t index;
};

class VfoSheetEditor {
public:
    explicit VfoSheetEditor(Document& document);

    // The pages the sheet shows now, in order.
    std::vector<VfoPage> Pages() const;
    bool InSheet(VfoPage page) const;

    // The page is shown: the first time, its record is read from the image (a Split on VHF Expansion
    // becomes Simplex there, as that page has no Split).
    void ShowPage(VfoPage page);
    bool PageShown(VfoPage page) const;
    bool PageChanged(VfoPage page) const;
    const ChannelEntry& Entry(VfoPage page);

    // The page's rows top to bottom, hidden ones included (not visible). Shows the page first.
    std::vector<SettingRow> Rows(VfoPage page);

    // The user chose the item with `value` (its item data) in list `controlId`.
    EditStatus Choose(int controlId, std::uint32_t value);
    // The user ended typing `text` into edit `controlId`. The page is marked changed whatever became of it;
    // a receive frequency outside the page's band is Refused and the record keeps the old one. Text typed
    // into the tone edit is never applied.
    EditStatus EnterText(int controlId, std::string_view text);
    // What the edit would show after `text` was typed into it; none when the page would refuse it.
    std::optional<std::string> TextAfterTyping(int controlId, std::string_view text);
    // The tone list Enter or a double click on tone edit `controlId` opens; none while Sub Audio Type is Off
    // or the edit is disabled.
    std::optional<TonePick> ToneToPick(int controlId);
    // OK in the tone list with `index` chosen: stored as the CTCSS tone or the DCS code.
    EditStatus PickTone(int controlId, std::uint32_t index);
    // Why the row cannot be changed now, in words for the user; empty when it can.
    std::string WhyNotChangeable(int controlId);

    // OK: every page shown and in the sheet writes its record into the image; the document is marked
    // modified when one of them changed.
    void Ok();

private:
    struct PageState {
        VfoRecord record;
        bool shown = false;
        bool changed = false;
    };
    PageState& State(VfoPage page);
    const PageState& State(VfoPage page) const;
    SettingRow Row(VfoPage page, VfoRow row);
    bool Enabled(VfoPage page, VfoRow row) const;
    // The edit or list exists, is visible and enabled: Changed when it may be changed, else why not.
    EditStatus Changeable(const std::optional<VfoControl>& control);

    Document& document_;
    std::array<PageState, 4> pages_;
};

}  // namespace tarn
