#pragma once
// What the desktop program keeps for its whole run: the prompter, the configuration file and the
// program-wide settings, the maintenance mode, the printer's name, the clone port and the document.
#include <QDir>
#include <QString>
#include <memory>
#include <string>

#include "app/IniConfig.h"
#include "app/PortHolder.h"
#include "app/ProgramSettings.h"
#include "app/RecentFileList.h"
#include "link/SerialTrace.h"
#include "link/TermiosDevice.h"
#include "link/TracingDevice.h"
#include "ui/Prompter.h"
#include "model/Document.h"
#include "model/RegularFile.h"

namespace tarn::gui {

struct AppContext {
    // `workingDirectory` holds TarnWin.ini; `executableFolder` the default image files. Messages and
    // questions go to `prompter`.
    AppContext(Prompter& prompter, const QString& workingDirectory, const std::string& executableFolder)
        : prompter(prompter),
          ini(workingDirectory),
          settings(ini.ReadAtStart()),
          recent(ini.ReadRecentFiles()),
          defaultTracePath(QDir(workingDirectory).filePath(QStringLiteral("TarnTrace.txt")).toStdString()),
          port([this] { return std::make_unique<ClonePort>(std::make_unique<TracingDevice>(MakeTermiosDevice(), trace)); }),
          document(prompter, executableFolder) {}

    // Starts or ends the serial trace as chosen: the file given with --trace for the whole run, else
    // TarnTrace.txt beside the configuration file while "Write serial trace" is on.
    void ApplyTraceChoice() {
        const std::string path = tracePathForRun.empty() ? (settings.serialTrace ? defaultTracePath : "") : tracePathForRun;
        if (path == openTracePath) return;
        trace->Close();
        openTracePath.clear();
        if (path.empty()) return;
        if (const int error = trace->Open(path); error != 0) {
            prompter.Tell("The serial trace cannot be written to " + path + ": " + FileErrorText(error),
                          MessageIcon::Exclamation);
            return;
        }
        openTracePath = path;
    }

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
    std::shared_ptr<SerialTrace> trace = std::make_shared<SerialTrace>();  // before the port, which writes it
    std::string tracePathForRun;  // --trace FILE
    std::string defaultTracePath;
    std::string openTracePath;
    PortHolder port;
    Document document;
};

}  // namespace tarn::gui
