#include "app/IniConfig.h"

#include <QDir>
#include <cstdlib>

namespace tarn::gui {
namespace {

const QString kPortType = QStringLiteral("Initialize/PORT_TYPE");
const QString kComPort = QStringLiteral("Initialize/COM_PORT");
const QString kPortName = QStringLiteral("Initialize/PORT_NAME");
const QString kWidth = QStringLiteral("Initialize/CX");
const QString kHeight = QStringLiteral("Initialize/CY");
const QString kSerialTrace = QStringLiteral("Initialize/SERIAL_TRACE");

QString ItemKey(int i) { return QStringLiteral("ITEM/ITEM%1").arg(i); }
QString RecentKey(std::size_t i) { return QStringLiteral("Recent File List/File%1").arg(i + 1); }

}  // namespace

IniConfig::IniConfig(const QString& directory)
    : settings_(QDir(directory).filePath(QString::fromLatin1(kFileName)), QSettings::IniFormat) {
    // Each sync writes a whole new file and renames it over the old one, so a program killed while it
    // writes leaves the previous settings whole; a folder that takes no new file keeps its settings unsaved.
    settings_.setAtomicSyncRequired(true);
}

long IniConfig::ReadInt(const QString& key, long fallback) {
    if (!settings_.contains(key)) return fallback;
    // Leading decimal digits count, as with the classic profile functions; no digits read as 0.
    const QByteArray text = settings_.value(key).toString().trimmed().toLatin1();
    return std::strtol(text.constData(), nullptr, 10);
}

ProgramSettings IniConfig::ReadAtStart() {
    ProgramSettings s;
    s.portType = CorrectPortType(ReadInt(kPortType, 0));
    s.comPort = CorrectComPort(ReadInt(kComPort, 1));
    s.portName = settings_.value(kPortName).toString().toStdString();
    for (int i = 0; i < kItemCount; ++i) s.itemVisible[i] = CorrectItemFlag(ReadInt(ItemKey(i), 1));
    s.windowWidth = CorrectWindowWidth(ReadInt(kWidth, kMinWindowWidth));
    s.windowHeight = CorrectWindowHeight(ReadInt(kHeight, kMinWindowHeight));
    s.serialTrace = ReadInt(kSerialTrace, 0) != 0;
    WritePort(s);
    WriteItems(s);
    return s;
}

RecentFileList IniConfig::ReadRecentFiles() {
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < RecentFileList::kSize; ++i) {
        entries.push_back(settings_.value(RecentKey(i)).toString().toStdString());
    }
    return RecentFileList(std::move(entries));
}

void IniConfig::WritePort(const ProgramSettings& s) {
    settings_.setValue(kPortType, static_cast<int>(s.portType));
    settings_.setValue(kComPort, s.comPort);
    if (s.portName.empty()) {
        settings_.remove(kPortName);
    } else {
        settings_.setValue(kPortName, QString::fromStdString(s.portName));
    }
    settings_.setValue(kSerialTrace, s.serialTrace ? 1 : 0);
    settings_.sync();
}

void IniConfig::WriteItems(const ProgramSettings& s) {
    for (int i = 0; i < kItemCount; ++i) settings_.setValue(ItemKey(i), s.itemVisible[i]);
    settings_.sync();
}

void IniConfig::WriteWindowSize(int width, int height) {
    settings_.setValue(kWidth, width);
    settings_.setValue(kHeight, height);
    settings_.sync();
}

void IniConfig::WriteRecentFiles(const RecentFileList& list) {
    for (std::size_t i = 0; i < RecentFileList::kSize; ++i) {
        if (i < list.Entries().size()) {
            settings_.setValue(RecentKey(i), QString::fromStdString(list.Entries()[i]));
        } else {
            settings_.remove(RecentKey(i));
        }
    }
    settings_.sync();
}

void IniConfig::WriteAtClose(const ProgramSettings& s) {
    WriteWindowSize(s.windowWidth, s.windowHeight);
    WriteItems(s);
}

}  // namespace tarn::gui
