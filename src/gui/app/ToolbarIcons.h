#pragma once
// The toolbar's pictures: the style's own where it has one, simple drawings otherwise.
#include <QIcon>

class QStyle;

namespace tarn::gui {

enum class ToolbarIcon { New, Open, Save, Copy, Paste, Print, Download, Upload, Help };

QIcon MakeToolbarIcon(ToolbarIcon icon, const QStyle* style);

}  // namespace tarn::gui
