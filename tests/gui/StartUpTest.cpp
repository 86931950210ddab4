// Start-up: the file named on the command line, the maintenance password, and the single running copy.
#include <QLineEdit>
#include <QSignalSpy>

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
    // A file named on the command line opens as File > Open opens it: by its absolute path, so the title
    // and the recent-file entry name it from any folder.
    void CommandLineFileOpensByItsAbsolutePathAndJoinsTheRecentFiles() {
        test::Workspace ws;
        QVERIFY(QDir().mkdir(QStringLiteral("sub")));
        const std::string absolute = test::WriteRadioImage(ws, "radio.trn", "TOWER").toStdString();
        QDir::setCurrent(ws.File(QStringLiteral("sub")));
        AppContext app(ws.prompter, ws.Path(), ws.File(QStringLiteral("bin")).toStdString());
        QVERIFY(OpenStartDocument(app, std::string("../radio.trn")));
        QCOMPARE(app.document.CurrentFilePath(), absolute);
        QCOMPARE(app.recent.Entries(), std::vector{absolute});
        QCOMPARE(IniConfig(ws.Path()).ReadRecentFiles().Entries(), std::vector{absolute});
    }

    void PasswordIsMaskedLoweredAndGivesMaintenanceModeOnlyWithOk() {
        QCOMPARE(PasswordDialog().Edit()->echoMode(), QLineEdit::Password);
        for (auto [typed, ok, granted] : {std::tuple("MIREL-TOSKA", true, true), {"mirel-tosk", true, false},
                                          {"mirel-toska", false, false}}) {
            QTimer::singleShot(0, [typed, ok] {
                auto* dialog = qobject_cast<PasswordDialog*>(QApplication::activeModalWidget());
                QTest::keyClicks(dialog->Edit(), QString::fromLatin1(typed));
                ok ? dialog->accept() : dialog->reject();
            });
            QCOMPARE(AskMaintenancePassword(), granted);
        }
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
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::StartUpTest)
#include "StartUpTest.moc"
