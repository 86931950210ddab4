// The main window: title, View > Item, the Visible and Configuration dialogs, help keys, the status bar,
// message boxes, the file commands and closing with the save prompt. Which commands are enabled, which
// help section a control asks for and the size corrections are the core's.
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ConfigurationDialog.h"
#include "app/GuiPrompter.h"
#include "app/VisibleDialog.h"
#include "settings/EnterComboBox.h"

namespace tarn::gui {
namespace {

QVariant IniValue(const test::Workspace& ws, const char* key) {
    return QSettings(ws.File(QStringLiteral("TarnWin.ini")), QSettings::IniFormat).value(QString::fromLatin1(key));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The plain title is checked with Save As; Align's enabling with the Alignment dialog.
    void TitleMarksTheMaintenanceMode() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        app->maintenanceMode = true;
        QCOMPARE(MainWindow(*app).windowTitle(), QStringLiteral("<none> - TarnWin for Corvane (M)"));
    }

    void VisibleDialogAndItemEntriesApplyTheFlags() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        MainWindow window(*app);
        QTableView* grid = window.View()->Grid();
        test::WhenDialogShows<VisibleDialog>([](VisibleDialog* d) {
            d->Box(0)->setFocus();
            QTest::keyClick(d->Box(0), Qt::Key_Return);  // Enter on a box toggles it, the dialog stays
            QVERIFY(d->isVisible());
            d->accept();
        });
        window.Action(command::kVisible)->trigger();
        QCOMPARE(std::tuple(app->settings.itemVisible[0], grid->columnWidth(1)), std::tuple(0, 0));
        QVERIFY(!window.ItemAction(0)->isChecked());
        QCOMPARE(IniValue(ws, "ITEM/ITEM0").toInt(), 0);
        // Cancel changes nothing.
        test::WhenDialogShows<VisibleDialog>([](VisibleDialog* d) {
            d->Box(0)->setChecked(true);
            d->reject();
        });
        window.Action(command::kVisible)->trigger();
        QCOMPARE(app->settings.itemVisible[0], 0);
        // An item may stand for several columns; a full refresh keeps them hidden, showing gives their width back.
        const int width = grid->columnWidth(5);
        window.ItemAction(3)->trigger();
        window.View()->Refresh();
        for (int c : {4, 5, 6}) QCOMPARE(grid->columnWidth(c), 0);
        window.ItemAction(3)->trigger();
        QCOMPARE(grid->columnWidth(5), width);
    }

    void ConfigurationCancelKeepsTheTypeAndOkTakesTheChoice() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        app->settings.portType = PortType::InterfaceUnit;
        MainWindow window(*app);
        test::WhenDialogShows<ConfigurationDialog>([](ConfigurationDialog* d) {
            d->InterfaceUnitBox()->click();
            d->reject();
        });
        window.Action(command::kConfigure)->trigger();
        QCOMPARE(app->settings.portType, PortType::InterfaceUnit);
        test::WhenDialogShows<ConfigurationDialog>([](ConfigurationDialog* d) {
            d->PortBox()->setFocus();
            QTest::keyClick(d->PortBox(), Qt::Key_Return);  // Enter opens the list, it does not close the dialog
            d->PortBox()->hidePopup();
            QVERIFY(d->isVisible());
            d->PortBox()->setEditText(QStringLiteral("/dev/tarn-test-port"));
            d->OkButton()->click();
        });
        window.Action(command::kConfigure)->trigger();
        QCOMPARE(window.View()->HeaderValue(2), QStringLiteral("/dev/tarn-test-port"));
        QCOMPARE(IniValue(ws, "Initialize/PORT_NAME").toString(), QStringLiteral("/dev/tarn-test-port"));
    }

    // After the sixteen COM ports come the devices found; the saved device is the one chosen.
    void ConfigurationListsTheComPortsAndTheFoundDevices() {
        ProgramSettings settings;
        settings.portName = "/dev/ttyUSB3";
        ConfigurationDialog dialog(settings, {{"/dev/ttyUSB3", "FT232R USB UART", true, {}}});
        QCOMPARE(std::pair(dialog.PortBox()->count(), dialog.PortBox()->currentIndex()), std::pair(17, 16));
        QCOMPARE(dialog.Result().portName, std::string("/dev/ttyUSB3"));
        dialog.PortBox()->setCurrentIndex(11);
        QCOMPARE(std::pair(dialog.Result().comPort, dialog.Result().portName), std::pair(12, std::string()));
    }

    void F1AsksForTheGridColumnAndShiftF1DoesNothing() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        test::ShownWindow shown(*app);
        QTableView* grid = shown.window.View()->Grid();
        grid->setCurrentIndex(grid->model()->index(0, 4));
        QTest::keyClick(grid, Qt::Key_F1, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_F1);
        QCOMPARE(shown.opened.size(), 1u);
        QCOMPARE(shown.opened[0].fragment(), QStringLiteral("channel-grid"));
        shown.window.Action(command::kHelpFinder)->trigger();
        QVERIFY(shown.opened.back().path().endsWith(QStringLiteral("/doc/user-guide.html")));
    }

    // The status bar's panes from left to right: the message, CAP, NUM, SCRL and the clock. The lock
    // panes follow the lock keys as the window receives them.
    void StatusBarShowsTheLockKeysBetweenMessageAndClock() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        test::ShownWindow shown(*app);
        const auto panes = [&] {
            QList<QLabel*> labels = shown.window.statusBar()->findChildren<QLabel*>();
            std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
            QStringList texts;
            for (QLabel* label : labels) texts << label->text();
            return texts;
        };
        for (Qt::Key key : {Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock, Qt::Key_CapsLock}) {
            QTest::keyClick(shown.window.windowHandle(), key);
        }
        QCOMPARE(panes().size(), 5);
        QCOMPARE(panes().mid(1, 3), (QStringList{"", "NUM", "SCRL"}));
    }

    // Message boxes are titled with the program's name, not the executable's.
    void MessageBoxesCarryTheProgramTitle() {
        QString title;
        test::WhenDialogShows<QMessageBox>([&title](QMessageBox* box) {
            title = box->windowTitle();
            box->accept();
        });
        GuiPrompter().Tell("Problem with COM port", MessageIcon::Stop);
        QCOMPARE(title, QStringLiteral("TarnWin"));
    }

    // A port given on the command line is for that run: the next plain start uses the saved one.
    void ClosingAsksToSaveAndKeepsTheWindowSizeButNotAOneOffPort() {
        test::Workspace ws;
        ws.WriteIni("[Initialize]\nCOM_PORT=3\n");
        auto app = ws.MakeApp();
        QVERIFY(ApplyPortChoice(app->settings, "/dev/pts/9"));
        app->document.SetModified(true);
        test::ShownWindow shown(*app);
        ws.prompter.answers = {Answer::Cancel, Answer::No};
        QVERIFY(!shown.window.close());
        shown.window.resize(1000, 700);
        QVERIFY(shown.window.close());
        QCOMPARE(ws.prompter.shown.size(), 2u);
        QCOMPARE(std::pair(IniValue(ws, "Initialize/CX").toInt(), IniValue(ws, "Initialize/CY").toInt()),
                 std::pair(1000, 700));
        QCOMPARE(std::pair(IniValue(ws, "Initialize/COM_PORT").toInt(), IniValue(ws, "Initialize/PORT_NAME").isValid()),
                 std::pair(3, false));
    }

    // A size edited into the file once crashed the program; the window opens within the screen.
    void HugeSizeFromTheFileIsHeldToTheScreen() {
        test::Workspace ws;
        ws.WriteIni("[Initialize]\nCX=2147483647\nCY=2147483647\n");
        auto app = ws.MakeApp();
        MainWindow window(*app);
        QCOMPARE(window.frameGeometry(), QGuiApplication::primaryScreen()->availableGeometry());
    }

    // Save As names the file in the title and makes it a recent file.
    void SaveAsNamesTheFileInTheTitleAndTheRecentFiles() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        MainWindow window(*app);
        const QString path = ws.File(QStringLiteral("saved.trn"));
        ws.prompter.files = {path.toStdString()};
        window.Action(command::kFileSaveAs)->trigger();
        QCOMPARE(window.windowTitle(), path + QStringLiteral(" - TarnWin for Corvane"));
        QCOMPARE(app->recent.Entries(), std::vector{path.toStdString()});
        QCOMPARE(IniValue(ws, "Recent File List/File1").toString(), path);
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::MainWindowTest)
#include "MainWindowTest.moc"
