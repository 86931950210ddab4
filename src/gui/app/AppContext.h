#pragma once
// What the desktop program keeps for its whole run: the prompter, the configuration file and the
// program-wide settings, the maintenance mode, the printer's name, the clone port and the document.
#include <QString>
#include <string>

#include "app/IniConfig.h"
#include "app/PortHolder.h"
#include "app/ProgramSettings.h"
#include "app/RecentFileList.h"
#include "ui/Prompter.h"
#include "model/Document.h"

namespace tarn::gui {

struct AppContext {
    // `workingDirectory` holds TarnWin.ini; `executableFolder` the default image files. Messages and
    // questions go to `prompter`.
    AppContext(Prompter& prompter, const QString& workingDirectory, const std::string& executableFolder)
        : prompter(prompter),
          ini(workingDirectory),
          settings(ini.ReadAtStart()),
          recent(ini.ReadRecentFiles()),
          document(prompter, executableFolder) {}

    // Puts `path` first in the recent files and writes the list to the configuration file.
    void RememberRecentFile(const std::string& path) {
        recent.Add(path);
        ini.WriteRecentFiles(recent);
    }

    Prompter& prompter;
    IniConfig ini;
    ProgramSettings settings;
    RecentFileList recent;
    bool maintenanceMode = false;  // settled at start-up, never changed afterwards
    std::string printerName;
    PortHolder port;
    Document document;
};

}  // namespace tarn::gui
