#pragma once
// The Common sheet's rules for one opening: four pages, each reading its settings object from the image
// when it is first shown; list choices and typed numbers go into the page's object; OK writes the pages
// that were shown (marking the document modified only when a shown page changed); Cancel writes nothing.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Document.h"
#include "settings/CommonPageControls.h"
#include "settings/SettingRow.h"

namespace tarn {

inline constexpr std::string_view kCommonSheetCaption = "Common";

class CommonSheetEditor {
public:
    explicit CommonSheetEditor(Document& document);

    // The page is shown: the first time, its settings object is read from the image.
    void ShowPage(CommonPage page);
    bool PageShown(CommonPage page) const;
    bool PageChanged(CommonPage page) const;

    // The page's rows in control order: its lists (hidden ones included, not visible), then on Misc Setup
    // its seventeen number edits. Shows the page first when it was not shown yet.
    std::vector<SettingRow> Rows(CommonPage page);
    // The page that holds control `controlId`, if any.
    std::optional<CommonPage> PageOf(int controlId) const;

    // The user chose the item with `value` in list `controlId` (the page is shown first if need be).
    EditStatus Choose(int controlId, std::uint32_t value);
    // The user ended typing `text` into number edit `controlId`: converted by the edit's rule (corrected
    // silently into its limits), stored, and the page marked changed; Rows() then show the corrected value.
    EditStatus EnterNumber(int controlId, std::string_view text);
    // Why the row cannot be changed now, in words for the user; empty when it can.
    std::string WhyNotChangeable(int controlId) const;

    // OK: every page that was shown writes its settings object into the image; the document is marked
    // modified when one of them changed.
    void Ok();
    // Cancel writes nothing; the editor can simply be dropped.

private:
    bool Visible(int controlId) const;
    bool Enabled(int controlId) const;

    Document& document_;
    CommonPageRecords records_;
    std::array<bool, 4> shown_{};
    std::array<bool, 4> changed_{};
};

}  // namespace tarn
