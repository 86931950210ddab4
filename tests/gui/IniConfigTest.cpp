// TarnWin.ini survives a killed program and a file that is no INI at all.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

#include "app/IniConfig.h"

namespace tarn::gui {
namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class IniConfigTest : public QObject {
    Q_OBJECT
private slots:
    // A program killed while it writes its settings must find them whole at the next start: the old
    // file or the new one.
    void AKilledWriteLeavesTheOldFileOrTheNewOne() {
        const RecentFileList first({"/a/first.trn"}), second({"/b/second.trn", "/c/third.trn", "/d/x.trn"});
        QTemporaryDir reference;
        IniConfig(reference.path()).WriteRecentFiles(first);
        const QByteArray firstBytes = ReadFile(reference.filePath(QString::fromLatin1(IniConfig::kFileName)));
        IniConfig(reference.path()).WriteRecentFiles(second);
        const QByteArray secondBytes = ReadFile(reference.filePath(QString::fromLatin1(IniConfig::kFileName)));
        QVERIFY(firstBytes != secondBytes);

        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(IniConfig::kFileName));
        for (int i = 0; i < 200; ++i) {
            WriteFile(path, firstBytes);
            const pid_t pid = fork();
            if (pid == 0) {
                IniConfig config(dir.path());
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

    // A huge file or binary garbage where the settings should be gives the defaults, quickly.
    void AHugeOrBinaryFileGivesTheDefaults() {
        QByteArray garbage(10 * 1024 * 1024, '\0');
        for (int i = 0; i < garbage.size(); ++i) garbage[i] = char(QRandomGenerator::global()->bounded(256));
        for (const QByteArray& content : {garbage, QByteArray(10 * 1024 * 1024, '[')}) {
            QTemporaryDir dir;
            WriteFile(dir.filePath(QString::fromLatin1(IniConfig::kFileName)), content);
            QElapsedTimer timer;
            timer.start();
            IniConfig config(dir.path());
            const ProgramSettings settings = config.ReadAtStart();
            QCOMPARE(settings.windowWidth, kMinWindowWidth);
            QCOMPARE(settings.comPort, 1);
            QVERIFY(timer.elapsed() < 10000);
        }
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::IniConfigTest)
#include "IniConfigTest.moc"
