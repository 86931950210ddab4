#pragma once
// A text of the string table as a QString.
#include <QString>

#include "ui/StringTable.h"

namespace tarn::gui {

inline QString StringText(int id) {
    const std::string_view text = LoadString(id);
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

}  // namespace tarn::gui
