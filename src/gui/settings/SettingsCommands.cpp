#include "settings/SettingsCommands.h"

#include "settings/CommonSheet.h"
#include "settings/SystemParamDlg.h"
#include "settings/VfoSheet.h"

namespace tarn::gui {

void RunSystemCommand(Document& document, bool maintenanceMode, QWidget* parent) {
    CSystemParamDlg dialog(document, maintenanceMode, parent);
    dialog.exec();
}

void RunCommonCommand(Document& document, QWidget* parent) {
    CommonSheet sheet(document, parent);
    sheet.exec();
}

void RunVfoHomeCommand(Document& document, QWidget* parent) {
    VfoSheet sheet(document, parent);
    sheet.exec();
}

}  // namespace tarn::gui
