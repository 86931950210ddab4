#include "settings/SettingsCommands.h"

#include <string>

#include "model/EditStep.h"
#include "settings/CommonSheet.h"
#include "settings/SystemParamDlg.h"
#include "settings/VfoSheet.h"

namespace tarn::gui {
namespace {

// What the editor stores on OK is one undoable step, named after the editor; Cancel leaves none.
void RunAsEditStep(Document& document, std::string label, QDialog& editor) {
    const EditStep step(document, std::move(label));
    editor.exec();
}

}  // namespace

void RunSystemCommand(Document& document, bool maintenanceMode, QWidget* parent) {
    CSystemParamDlg dialog(document, maintenanceMode, parent);
    RunAsEditStep(document, std::string(kSystemParamsCaption), dialog);
}

void RunCommonCommand(Document& document, QWidget* parent) {
    CommonSheet sheet(document, parent);
    RunAsEditStep(document, std::string(kCommonSheetCaption), sheet);
}

void RunVfoHomeCommand(Document& document, QWidget* parent) {
    VfoSheet sheet(document, parent);
    RunAsEditStep(document, std::string(kVfoSheetCaption), sheet);
}

}  // namespace tarn::gui
