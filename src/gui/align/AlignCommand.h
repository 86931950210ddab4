#pragma once
// Alignment > Align: the alignment entry through the progress window, then the Alignment dialog on the
// radio in alignment mode. `refresh` redraws the main window from the model.
#include <functional>

#include "app/PortHolder.h"
#include "app/ProgramSettings.h"
#include "model/Document.h"
#include "ui/Prompter.h"

class QWidget;

namespace tarn::gui {

void RunAlignCommand(Document& document, PortHolder& ports, const ProgramSettings& settings, bool maintenanceMode,
                     Prompter& messages, QWidget* parent, const std::function<void()>& refresh);

}  // namespace tarn::gui
