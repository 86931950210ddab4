#pragma once
// The grid's in-cell edit box: which actions open it on which cells, with what character filter and
// length, and how its text is committed into the cell where the edit began.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "channels/EditResult.h"
#include "model/ChannelEntry.h"
#include "model/Document.h"

namespace tarn {

enum class EditKind { None, Tag, Frequency, DcsCode, CtcssTone };

struct EditBoxSetup {
    int filterKind;  // a character filter of the grid's edit box (see CharacterFilter.h)
    int maxLength;
};
EditBoxSetup SetupOf(EditKind kind);

// The edit that Enter opens on `column` of `entry` (starting with the cell's text, all selected).
EditKind EditKindOnEnter(const ChannelEntry& entry, int column);

// The edit that typing `typed` on `column` opens, with the text it starts with (the caret after it).
struct TypedStart {
    EditKind kind = EditKind::None;
    std::string text;
};
TypedStart EditOnTyped(const ChannelEntry& entry, int column, char32_t typed);

// The edit that a double click opens on `column` (starting with the cell's text); None on the columns
// where a double click acts as Space.
EditKind EditKindOnDoubleClick(int column);

// Whether Space (and a double click acting as Space) on `column` still reaches the grid afterwards.
// The tone and step columns open a list dialog and keep the key to themselves.
bool SpaceReachesGrid(int column);

// Ends an edit of `column` of the channel in `slot` with the box's `text`. A text equal to the cell's
// own text (as after Escape) stores nothing and leaves Modified alone, so ending an edit without a
// change never alters the channel; any other text goes to StoreCellText.
EditResult CommitCellEdit(Document& document, std::size_t slot, int column, std::string_view text);

}  // namespace tarn
