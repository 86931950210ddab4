#pragma once
// TarnWin.ini in the working directory: the port, the window size, the visible grid columns and the
// recent-file list, read with their corrections at start-up and written back.
#include <QSettings>
#include <QString>

#include "app/ProgramSettings.h"
#include "app/RecentFileList.h"

namespace tarn::gui {

class IniConfig {
public:
    static constexpr const char* kFileName = "TarnWin.ini";

    // The configuration file in `directory` (the working directory at start-up).
    explicit IniConfig(const QString& directory);

    // Reads everything with defaults and corrections; then writes PORT_TYPE, COM_PORT and the ITEM
    // keys back at once, so a missing file is created and wrong values are mended.
    ProgramSettings ReadAtStart();
    RecentFileList ReadRecentFiles();

    // What Configure sets: the port and the serial trace choice.
    void WritePort(const ProgramSettings& settings);
    void WriteItems(const ProgramSettings& settings);
    void WriteWindowSize(int width, int height);
    void WriteRecentFiles(const RecentFileList& list);
    // What the main window writes when it closes: the window size and the ITEM keys. The port is written
    // only where it is chosen (start-up's read-back, Configure), so a port given for one run stays unsaved.
    void WriteAtClose(const ProgramSettings& settings);

private:
    long ReadInt(const QString& key, long fallback);

    QSettings settings_;
};

}  // namespace tarn::gui
