#pragma once
// File > Import Channels (CSV) and File > Export Channels (CSV).
#include <QWidget>

namespace tarn::gui {

struct AppContext;

// Chooses a CSV channel list, shows the import's preview, and on Import takes the channels into the document
// as one edit that marks it modified. True when the channels changed (the view is then to be refreshed).
bool RunImportChannelsCsv(QWidget* parent, AppContext& app);
// Chooses a file and writes the channels in use into it.
void RunExportChannelsCsv(AppContext& app);

}  // namespace tarn::gui
