// TarnWin.ini as a user, another program or a broken disk may leave it: read at start-up (which writes the
// mended values back) and the recent-file list.
#include <QDir>
#include <QTemporaryDir>

#include "FuzzInput.h"
#include "app/IniConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QString::fromLatin1(tarn::gui::IniConfig::kFileName));
    tarn::fuzz::WriteInputFile(path.toStdString(), data, size);
    tarn::gui::IniConfig config(folder.path());
    (void)config.ReadAtStart();
    (void)config.ReadRecentFiles();
    return 0;
}
