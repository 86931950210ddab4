// TarnWin.ini: read at start with its defaults and corrections and written back, whole after a killed
// program, and harmless when it is no INI file at all.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSettings>
#include <thread>

#include "GuiTestSupport.h"
#include "app/IniConfig.h"

namespace tarn::gui {
namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class IniConfigTest : public QObject {
    Q_OBJECT
private slots:
    // A missing file is made with the defaults; bad values are corrected and written back; the port's
    // path and the recent files are read as written. A huge file or binary garbage gives the defaults, quickly.
    void MissingOrBadIniIsCorrectedAndWrittenBack() {
        struct Case {
            QByteArray ini;
            int height;
            std::tuple<int, int, int> items3to5;
            std::string portName;
            std::vector<std::string> recent;
        };
        QByteArray garbage(10 * 1024 * 1024, '\0');
        for (char& byte : garbage) byte = char(QRandomGenerator::global()->bounded(256));
        const Case cases[] = {
            {{}, 640, {1, 1, 1}, "", {}},
            // Anything but 0 or 1 shows the column; no digits read as 0.
            {"[Initialize]\nPORT_TYPE=7\nCOM_PORT=0\nCX=300\nCY=2000\nPORT_NAME=/dev/ttyUSB0\n"
             "[ITEM]\nITEM3=0\nITEM4=5\nITEM5=abc\n[Recent File List]\nFile1=/b/two words.trn\nFile2=/a/one.trn\n",
             2000, {0, 1, 0}, "/dev/ttyUSB0", {"/b/two words.trn", "/a/one.trn"}},
            {garbage, 640, {1, 1, 1}, "", {}},
            {QByteArray(10 * 1024 * 1024, '['), 640, {1, 1, 1}, "", {}},
        };
        for (const Case& c : cases) {
            test::Workspace ws;
            if (!c.ini.isEmpty()) ws.WriteIni(c.ini);
            QElapsedTimer timer;
            timer.start();
            IniConfig ini(ws.Path());
            const ProgramSettings s = ini.ReadAtStart();
            QCOMPARE(ini.ReadRecentFiles().Entries(), c.recent);
            QVERIFY(timer.elapsed() < 10000);
            QCOMPARE(std::tuple(s.portType, s.comPort, s.windowWidth, s.windowHeight, s.portName),
                     std::tuple(PortType::ComPort, 1, 860, c.height, c.portName));
            QCOMPARE(std::tuple(s.itemVisible[3], s.itemVisible[4], s.itemVisible[5]), c.items3to5);
            QSettings written(ws.File(QStringLiteral("TarnWin.ini")), QSettings::IniFormat);
            QCOMPARE(written.value("Initialize/PORT_TYPE").toInt(), 0);
            QCOMPARE(written.value("Initialize/COM_PORT").toInt(), 1);
            for (int i = 0; i < 11; ++i) {
                QCOMPARE(written.value(QStringLiteral("ITEM/ITEM%1").arg(i)).toInt(), s.itemVisible[i]);
            }
        }
    }

    // A program killed while it writes its settings must find them whole at the next start: the old
    // file or the new one.
    void AKilledWriteLeavesTheOldFileOrTheNewOne() {
        const RecentFileList first({"/a/first.trn"}), second({"/b/second.trn", "/c/third.trn", "/d/x.trn"});
        test::Workspace ws;
        const QString path = ws.File(QString::fromLatin1(IniConfig::kFileName));
        IniConfig(ws.Path()).WriteRecentFiles(second);
        const QByteArray secondBytes = ReadFile(path);
        IniConfig(ws.Path()).WriteRecentFiles(first);
        const QByteArray firstBytes = ReadFile(path);
        QVERIFY(firstBytes != secondBytes);
        for (int i = 0; i < 200; ++i) {
            ws.WriteIni(firstBytes);
            const pid_t pid = fork();
            if (pid == 0) {
                IniConfig config(ws.Path());
                for (;;) {
                    config.WriteRecentFiles(second);
                    config.WriteRecentFiles(first);
                }
            }
            std::this_thread::sleep_for(std::chrono::microseconds(QRandomGenerator::global()->bounded(20000)));
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            const QByteArray now = ReadFile(path);
            QVERIFY2(now == firstBytes || now == secondBytes, qPrintable(QStringLiteral("run %1").arg(i)));
        }
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::IniConfigTest)
#include "IniConfigTest.moc"
