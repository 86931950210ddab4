// Start-up: the configuration file with its defaults and corrections, the maintenance password, and
// the single running copy.
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "SimRadio.h"
#include "app/IniConfig.h"
#include "app/PasswordDialog.h"
#include "app/SingleInstance.h"
#include "app/StartUp.h"

namespace tarn::gui {

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    // A missing file is made with the defaults; bad values are corrected and written back; the port's
    // path and the recent files are read as written.
    void MissingOrBadIniIsCorrectedAndWrittenBack() {
        struct Case {
            const char* ini;
            int height;
            std::tuple<int, int, int> items3to5;
            std::string portName;
            std::vector<std::string> recent;
        };
        const Case cases[] = {
            {nullptr, 640, {1, 1, 1}, "", {}},
            // Anything but 0 or 1 shows the column; no digits read as 0.
            {"[Initialize]\nPORT_TYPE=7\nCOM_PORT=0\nCX=300\nCY=2000\nPORT_NAME=/dev/ttyUSB0\n"
             "[ITEM]\nITEM3=0\nITEM4=5\nITEM5=abc\n[Recent File List]\nFile1=/b/two words.trn\nFile2=/a/one.trn\n",
             2000, {0, 1, 0}, "/dev/ttyUSB0", {"/b/two words.trn", "/a/one.trn"}},
        };
        for (const Case& c : cases) {
            test::Workspace ws;
            if (c.ini) ws.WriteIni(c.ini);
            IniConfig ini(ws.Path());
            const ProgramSettings s = ini.ReadAtStart();
            QCOMPARE(std::tuple(s.portType, s.comPort, s.windowWidth, s.windowHeight, s.portName),
                     std::tuple(PortType::ComPort, 1, 860, c.height, c.portName));
            QCOMPARE(std::tuple(s.itemVisible[3], s.itemVisible[4], s.itemVisible[5]), c.items3to5);
            QCOMPARE(ini.ReadRecentFiles().Entries(), c.recent);
            QSettings written(ws.File(QStringLiteral("TarnWin.ini")), QSettings::IniFormat);
            QCOMPARE(written.value("Initialize/PORT_TYPE").toInt(), 0);
            QCOMPARE(written.value("Initialize/COM_PORT").toInt(), 1);
            for (int i = 0; i < 11; ++i) {
                QCOMPARE(written.value(QStringLiteral("ITEM/ITEM%1").arg(i)).toInt(), s.itemVisible[i]);
            }
        }
    }

    // A file named on the command line opens as File > Open opens it: by its absolute path, so the title
    // and the recent-file entry name it from any folder.
    void CommandLineFileOpensByItsAbsolutePathAndJoinsTheRecentFiles() {
        test::Workspace ws;
        QVERIFY(QDir().mkdir(QStringLiteral("sub")));
        QVERIFY(test::WriteRadioImage(ws.File(QStringLiteral("radio.trn")), "TOWER", ws.prompter));
        QDir::setCurrent(ws.File(QStringLiteral("sub")));
        AppContext app(ws.prompter, ws.Path(), ws.File(QStringLiteral("bin")).toStdString());
        QVERIFY(OpenStartDocument(app, std::string("../radio.trn")));
        const std::string absolute = ws.File(QStringLiteral("radio.trn")).toStdString();
        QCOMPARE(app.document.CurrentFilePath(), absolute);
        QCOMPARE(app.recent.Entries(), std::vector{absolute});
        QCOMPARE(IniConfig(ws.Path()).ReadRecentFiles().Entries(), std::vector{absolute});
    }

    void PasswordIsMaskedLoweredAndGivesMaintenanceModeOnlyWithOk() {
        PasswordDialog dialog;
        QCOMPARE(dialog.Edit()->echoMode(), QLineEdit::Password);
        QTest::keyClicks(dialog.Edit(), QStringLiteral("MiRel-Toska"));
        QCOMPARE(dialog.Entered(), QStringLiteral("mirel-toska"));
        QCOMPARE(RunPassword(QStringLiteral("MIREL-TOSKA"), true), true);
        QCOMPARE(RunPassword(QStringLiteral("mirel-tosk"), true), false);
        QCOMPARE(RunPassword(QStringLiteral("mirel-toska"), false), false);
    }

    void SecondCopyAsksTheFirstToComeForward() {
        const QString key = QStringLiteral("tarn-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance first(key);
        QVERIFY(first.Claim());
        QSignalSpy raised(&first, &SingleInstance::RaiseRequested);
        SingleInstance second(key);
        QVERIFY(!second.Claim());
        QVERIFY(raised.wait(2000));
    }

private:
    // Types `text` into the password dialog and ends it with OK or Cancel.
    static bool RunPassword(const QString& text, bool ok) {
        QTimer::singleShot(0, [text, ok] {
            auto* dialog = qobject_cast<PasswordDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::keyClicks(dialog->Edit(), text);
            ok ? dialog->accept() : dialog->reject();
        });
        return AskMaintenancePassword();
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::StartUpTest)
#include "StartUpTest.moc"
