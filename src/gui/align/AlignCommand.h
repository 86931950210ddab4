#pragma once
// Alignment > Align: the alignment entry through the progress window, then the Alignment dialog on the
// radio in alignment mode. `refresh` redraws the main window from the model.
#include <functional>

class QWidget;

namespace tarn::gui {

struct AppContext;

// The alignment entry goes through the same port, settings and serial trace as Upload and Download.
void RunAlignCommand(AppContext& app, QWidget* parent, const std::function<void()>& refresh);

}  // namespace tarn::gui
