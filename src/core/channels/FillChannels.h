#pragma once
// One change applied to every selected channel of the grid. Each channel goes through exactly the rules a
// single cell edit uses; a channel that refuses (wrong band, empty, a column its group does not open) is
// left as it is and counted. The whole fill is one undoable step, and marks the document modified only
// when some channel changed.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "model/Document.h"
#include "ui/ChannelPicker.h"
#include "ui/Prompter.h"

namespace tarn {

struct FillResult {
    int changed = 0;    // channels whose data differ afterwards
    int unchanged = 0;  // selected channels that refused or already held the value
    int beeps = 0;      // 1 when no channel took the change, else 0
};

// Text typed into the edit box of `column`: stored into each slot whose cell the edit box may open on.
FillResult FillTypedText(Document& document, std::span<const std::size_t> slots, int column, std::string_view text);
// Clipboard text pasted into `column` of each slot. On the channel-number column a paste copies a whole
// channel, which is done for the current channel only.
FillResult FillPastedText(Document& document, std::span<const std::size_t> slots, int column, std::string_view text,
                          Prompter& prompter);
// Space (or a double click) on `column`: the current channel is stepped (its pick list shown once) and
// every other slot is given the value the current channel then shows, as a paste of that cell text would
// give it (on the channel-number column: switched into or out of use like the current channel). When the
// current channel refuses the step (with its beeps) or its pick list is cancelled, no other channel
// changes; nor do they on the Mode, TAG and frequency columns, which Space leaves as they are.
FillResult FillStep(Document& document, std::span<const std::size_t> slots, int column, ChannelPicker& picker);
// F3: each slot's DCS code is complemented.
FillResult FillComplementDcs(Document& document, std::span<const std::size_t> slots, int column);

// "Changed 12 channels, 3 left unchanged".
std::string FillStatusText(const FillResult& result);

}  // namespace tarn
