#include "align/AlignCommand.h"

#include "align/AlignDlg.h"
#include "align/AlignModel.h"
#include "align/PortAlignRadio.h"
#include "app/AppContext.h"
#include "app/TransferCommand.h"
#include "link/AccessGauge.h"
#include "model/EditStep.h"

namespace tarn::gui {

void RunAlignCommand(AppContext& app, QWidget* parent, const std::function<void()>& refresh) {
    Document& document = app.document;
    Prompter& messages = app.prompter;
    // Nothing to test on (or the weather group): no port, no transfer.
    if (!AlignModel::MayAlign(document.Channels())) return;
    TransferCommand command(TransferOperation::AlignEntry, document, app.port, app.settings, app.maintenanceMode);
    TransferRequest request = command.Request();
    request.trace = app.trace;
    CAccessGauge gauge(request, command.Port(), command.WorkImage(), messages, parent);
    const bool cancelled = gauge.exec() != QDialog::Accepted;
    const bool inAlignMode = command.Finish({cancelled, false, gauge.Job().RadioInAlignMode()});
    refresh();
    if (!inAlignMode) return;
    // The values the dialog stores into the image are one step, which undoing takes out of the document
    // (the radio keeps them).
    const EditStep step(document, "Alignment");
    PortAlignRadio radio(command.Port());
    AlignModel model(document.Channels(), document.Image(), radio);
    CAlignDlg dialog(document, model, messages, parent);
    dialog.Open();
    dialog.exec();
    document.DecodeImage();
    refresh();
}

}  // namespace tarn::gui
