// Start-up: the configuration file with its defaults and corrections, the maintenance password, and
// the single running copy.
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "app/IniConfig.h"
#include "app/PasswordDialog.h"
#include "app/SingleInstance.h"

namespace tarn::gui {

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    // A missing file is made with the defaults; bad values are corrected and written back.
    void MissingOrBadIniIsCorrectedAndWrittenBack() {
        struct Case {
            const char* ini;
            int height;
            std::tuple<int, int, int> items3to5;
        };
        const Case cases[] = {
            {nullptr, 640, {1, 1, 1}},
            // Anything but 0 or 1 shows the column; no digits read as 0.
            {"[Initialize]\nPORT_TYPE=7\nCOM_PORT=0\nCX=300\nCY=2000\n[ITEM]\nITEM3=0\nITEM4=5\nITEM5=abc\n", 2000,
             {0, 1, 0}},
        };
        for (const Case& c : cases) {
            test::Workspace ws;
            if (c.ini) ws.WriteIni(c.ini);
            const ProgramSettings s = IniConfig(ws.Path()).ReadAtStart();
            QCOMPARE(std::tuple(s.portType, s.comPort, s.windowWidth, s.windowHeight),
                     std::tuple(PortType::ComPort, 1, 860, c.height));
            QCOMPARE(std::tuple(s.itemVisible[3], s.itemVisible[4], s.itemVisible[5]), c.items3to5);
            QSettings written(ws.File(QStringLiteral("TarnWin.ini")), QSettings::IniFormat);
            QCOMPARE(written.value("Initialize/PORT_TYPE").toInt(), 0);
            QCOMPARE(written.value("Initialize/COM_PORT").toInt(), 1);
            for (int i = 0; i < 11; ++i) {
                QCOMPARE(written.value(QStringLiteral("ITEM/ITEM%1").arg(i)).toInt(), s.itemVisible[i]);
            }
        }
    }

    void PortNameAndRecentFilesRoundTrip() {
        test::Workspace ws;
        {
            IniConfig ini(ws.Path());
            ProgramSettings s = ini.ReadAtStart();
            s.portType = PortType::InterfaceUnit;
            s.portName = "/dev/ttyUSB0";
            ini.WriteAll(s);
            RecentFileList recent;
            recent.Add("/a/one.trn");
            recent.Add("/b/two words.trn");
            ini.WriteRecentFiles(recent);
        }
        IniConfig again(ws.Path());
        const ProgramSettings s = again.ReadAtStart();
        QCOMPARE(std::tuple(s.portType, s.portName), std::tuple(PortType::InterfaceUnit, std::string("/dev/ttyUSB0")));
        QCOMPARE(again.ReadRecentFiles().Entries(), (std::vector<std::string>{"/b/two words.trn", "/a/one.trn"}));
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
