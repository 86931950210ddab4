#pragma once
// Space and double click on a cell of the current channel: toggle, cycle or pick the column's value.
#include "channels/EditResult.h"
#include "model/Document.h"
#include "ui/ChannelPicker.h"

namespace tarn {

// Steps `column` of the channel in slot CurrentIndex: column 0 switches the channel in or out of use
// (MR 1 and BOOK 1 always stay in use), the flag columns toggle, Type and the repeater shift cycle, the
// tone or code and the step are picked from a list. Refuses with a beep what the channel's mode or group
// does not allow; an empty channel's other cells are inert. Sets Modified unless it refuses, also when
// nothing changed.
EditResult StepField(Document& document, int column, ChannelPicker& picker);

}  // namespace tarn
