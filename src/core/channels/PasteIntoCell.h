#pragma once
// Paste of clipboard text into the current cell of the grid.
#include <string_view>

#include "channels/EditResult.h"
#include "model/Document.h"
#include "ui/Prompter.h"

namespace tarn {

// Takes `text` into `column` of the channel in slot CurrentIndex. A cell text copied from another channel
// is taken as the same value: it must match one of the column's texts exactly (the frequency and TAG
// columns take any text their edit box would take). A slot number pasted onto the channel-number column
// copies that whole channel after asking the user. Done sets Modified; a refused paste changes nothing
// and asks for one beep, or two for a cell the channel's group never takes.
EditResult PasteIntoCell(Document& document, int column, std::string_view text, Prompter& prompter);

}  // namespace tarn
