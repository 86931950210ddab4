#pragma once
// The core's texts are 8-bit Latin-1 strings; this is how the windows and dialogs show them.
#include <QString>
#include <string_view>

namespace tarn::gui {

inline QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace tarn::gui
