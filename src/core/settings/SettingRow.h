#pragma once
// One row of a settings editor as the front ends show it: a drop-down list or a number edit, with its label,
// its items or text, and whether it is enabled and visible. The editors build the rows from their state;
// the dialogs draw them and the command line prints and sets them.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarn {

enum class RowKind { List, Number };

struct SettingItem {
    std::string text;     // as the list shows it
    std::uint32_t value;  // the setting's value when this item is chosen (select and read by it, never by position)
};

struct SettingRow {
    int controlId = 0;    // the list's or the edit's control id; also the string id of its prompt
    RowKind kind = RowKind::List;
    std::string label;    // the setting's name: the control's label without the "&" marker
    // Lists.
    std::vector<SettingItem> items;       // in list order
    std::optional<std::size_t> selected;  // index into items; none when the stored value has no item
    // Number edits.
    std::string text;        // the value as the edit shows it
    int filterKind = 0;      // the edit's character filter (UndoLockEditCharacter)
    std::size_t maxLength = 0;
    std::string besideText;  // the static text beside the edit ("122 F" beside TEMP Check Data), else empty
    std::string caption;     // LED edits: the row's caption with its "&" mnemonic ("E&mg. LED COLOR"), else empty
    std::string column;      // LED edits: "Red", "Green" or "Blue", else empty

    bool enabled = true;
    bool visible = true;   // a hidden row hides its label too
    bool hasValue = true;  // false for a list with no place in the image ("[MON] Key"): never selected or stored

    // What the row shows as text: the selected item's text (empty without a selection) or the edit's text.
    std::string ShownText() const;
};

// What became of a choice or a typed number. Anything but Changed and Unchanged leaves everything as it was.
enum class EditStatus {
    Changed,    // stored; the document or the page is marked changed
    Unchanged,  // the value chosen was the one selected already
    NoSuchRow,  // the editor (or the page) has no such control
    Hidden,     // the row is not shown in this state
    Disabled,   // the row is shown but cannot be changed in this state
    NoSuchItem,  // the list has no item with that value
    Refused      // the typed value was not taken (a receive frequency outside the page's band)
};

}  // namespace tarn
