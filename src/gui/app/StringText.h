#pragma once
// A text of the string table as a QString.
#include <QString>

#include "settings/Latin1.h"
#include "ui/StringTable.h"

namespace tarn::gui {

inline QString StringText(int id) { return Latin1(LoadString(id)); }

}  // namespace tarn::gui
