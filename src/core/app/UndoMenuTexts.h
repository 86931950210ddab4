#pragma once
// The menu texts of Edit > Undo and Edit > Redo, which name the step they act on.
#include <string>

namespace tarn {

class EditHistory;

// "&Undo Receive of MR 3", or "&Undo" when there is nothing to undo. An "&" of the label is doubled, so
// that the menu shows it rather than taking it for a mnemonic ("VFO && HOME").
std::string UndoMenuText(const EditHistory& history);
// "&Redo System Parameters", or "&Redo".
std::string RedoMenuText(const EditHistory& history);

}  // namespace tarn
