#pragma once
// Storing the text typed (or pasted) into a channel's cell.
#include <cstddef>
#include <string_view>

#include "channels/EditResult.h"
#include "model/Document.h"
#include "model/FrequencyConversion.h"  // TypedFrequencyHz, the frequency typed into a cell

namespace tarn {

// Validates `text` for `column` of the channel in `slot` and stores it: the TAG (columns 3), the receive
// frequency with its band change (4), the Split transmit frequency (5), the repeater offset (6) or the
// tone or code (8). Values out of range are clamped and rounded, never refused; a transmit frequency
// without Split, an offset without minus or plus and a tone without a tone type are refused with a beep.
// Sets the document's Modified flag unless it refuses.
EditResult StoreCellText(Document& document, std::size_t slot, int column, std::string_view text);

}  // namespace tarn
