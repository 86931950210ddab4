#pragma once
// F3 on the tone cell: the inverted DCS code.
#include "channels/EditResult.h"
#include "model/Document.h"

namespace tarn {

// On column 8 of a channel in use with a DCS code, replaces the code by its inverted code ("023" <-> "047")
// and sets Modified. Anything else, and a code index read from a file or the radio that lies outside
// the code table, is left alone without a beep.
EditResult ComplementDcs(Document& document, int column);

}  // namespace tarn
