// The main window: title, command enabling, View > Item, the Visible and Configuration dialogs,
// help keys, the status bar, message boxes, the file commands and closing with the save prompt.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ConfigurationDialog.h"
#include "app/GuiPrompter.h"
#include "app/MainWindow.h"
#include "app/VisibleDialog.h"
#include "channels/ChannelView.h"
#include "settings/EnterComboBox.h"

namespace tarn::gui {

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void TitleAndEnablingFollowTheMaintenanceMode() {
        for (bool maintenance : {false, true}) {
            test::Workspace ws;
            auto app = ws.MakeApp();
            app->maintenanceMode = maintenance;
            MainWindow window(*app);
            QCOMPARE(window.windowTitle(),
                     QStringLiteral("<none> - TarnWin for Corvane") + (maintenance ? QStringLiteral(" (M)") : ""));
            QCOMPARE(window.Action(command::kAlign)->isEnabled(), maintenance);
            QVERIFY(window.Action(command::kUpload)->isEnabled() && window.Action(command::kConfigure)->isEnabled());
        }
    }

    void VisibleDialogAndItemEntriesApplyTheFlags() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        MainWindow window(*app);
        test::WhenDialogShows<VisibleDialog>([](VisibleDialog* d) {
            d->Box(0)->setFocus();
            QTest::keyClick(d->Box(0), Qt::Key_Return);  // Enter on a box toggles it
            QVERIFY(d->isVisible());
            d->Box(4)->setChecked(false);
            d->accept();
        });
        window.Action(command::kVisible)->trigger();
        QCOMPARE(std::tuple(app->settings.itemVisible[0], app->settings.itemVisible[4]), std::tuple(0, 0));
        QCOMPARE(window.View()->Grid()->columnWidth(1), 0);
        QVERIFY(!window.ItemAction(0)->isChecked());

        // Cancel changes nothing, but the keys are written either way.
        test::WhenDialogShows<VisibleDialog>([](VisibleDialog* d) {
            d->Box(0)->setChecked(true);
            d->reject();
        });
        window.Action(command::kVisible)->trigger();
        QCOMPARE(app->settings.itemVisible[0], 0);
        QSettings ini(ws.File(QStringLiteral("TarnWin.ini")), QSettings::IniFormat);
        QCOMPARE(ini.value("ITEM/ITEM4").toInt(), 0);

        // An item may stand for several columns; a full refresh keeps them hidden, showing gives their width back.
        const int width = window.View()->Grid()->columnWidth(5);
        window.ItemAction(3)->trigger();
        window.View()->Refresh();
        for (int c : {4, 5, 6}) QCOMPARE(window.View()->Grid()->columnWidth(c), 0);
        window.ItemAction(3)->trigger();
        QCOMPARE(window.View()->Grid()->columnWidth(5), width);
    }

    void ConfigurationCancelKeepsTheTypeAndOkTakesTheChoice() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        app->settings.portType = PortType::InterfaceUnit;
        app->settings.comPort = 5;
        MainWindow window(*app);
        test::WhenDialogShows<ConfigurationDialog>([](ConfigurationDialog* d) {
            QVERIFY(d->InterfaceUnitBox()->isChecked());
            QCOMPARE(d->PortBox()->currentText(), QStringLiteral("COM 5"));
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
        QCOMPARE(app->settings.portType, PortType::InterfaceUnit);
        QCOMPARE(app->port.Port(), nullptr);  // the interface unit keeps no port open between transfers
        QCOMPARE(window.View()->HeaderValue(2), QStringLiteral("/dev/tarn-test-port"));
        QSettings ini(ws.File(QStringLiteral("TarnWin.ini")), QSettings::IniFormat);
        QCOMPARE(ini.value("Initialize/PORT_NAME").toString(), QStringLiteral("/dev/tarn-test-port"));
    }

    void ConfigurationListsTheComPortsAndTheFoundDevices() {
        ProgramSettings settings;
        settings.portName = "/dev/ttyUSB3";
        ConfigurationDialog dialog(settings, {{"/dev/ttyUSB3", "FT232R USB UART", true, {}}});
        QCOMPARE(dialog.PortBox()->count(), 17);
        QCOMPARE(dialog.PortBox()->currentIndex(), 16);
        QVERIFY(dialog.PortBox()->currentText().contains(QStringLiteral("FT232R")));
        QCOMPARE(dialog.Result().portName, std::string("/dev/ttyUSB3"));
        dialog.PortBox()->setCurrentIndex(11);
        QCOMPARE(dialog.Result().comPort, 12);
        QVERIFY(dialog.Result().portName.empty());
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
        QVERIFY(shown.opened.back().fragment().isEmpty());
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
            return texts.mid(1, 3);
        };
        QCOMPARE(panes(), (QStringList{"", "", ""}));
        for (Qt::Key key : {Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock}) {
            QTest::keyClick(shown.window.windowHandle(), key);
        }
        QCOMPARE(panes(), (QStringList{"CAP", "NUM", "SCRL"}));
        QTest::keyClick(shown.window.windowHandle(), Qt::Key_CapsLock);
        QCOMPARE(panes(), (QStringList{"", "NUM", "SCRL"}));
        QCOMPARE(shown.window.statusBar()->findChildren<QLabel*>().size(), 5);
    }

    // Message boxes are titled with the program's name, not the executable's.
    void MessageBoxesCarryTheProgramTitle() {
        GuiPrompter prompter;
        QString title;
        test::WhenDialogShows<QMessageBox>([&title](QMessageBox* box) {
            title = box->windowTitle();
            box->accept();
        });
        prompter.Tell("Problem with COM port", MessageIcon::Stop);
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
        ws.prompter.answers = {Answer::Cancel};
        QVERIFY(!shown.window.close());
        QCOMPARE(ws.prompter.shown.size(), 1u);
        ws.prompter.answers = {Answer::No};
        shown.window.resize(1000, 700);
        QVERIFY(shown.window.close());
        QSettings ini(ws.File(QStringLiteral("TarnWin.ini")), QSettings::IniFormat);
        QCOMPARE(std::pair(ini.value("Initialize/CX").toInt(), ini.value("Initialize/CY").toInt()),
                 std::pair(1000, 700));
        QCOMPARE(std::pair(ini.value("Initialize/COM_PORT").toInt(), ini.contains("Initialize/PORT_NAME")),
                 std::pair(3, false));
    }

    // A size edited into the file once crashed the program; the window opens within the screen.
    void HugeSizeFromTheFileIsHeldToTheScreen() {
        test::Workspace ws;
        ws.WriteIni("[Initialize]\nCX=2147483647\nCY=2147483647\n");
        auto app = ws.MakeApp();
        MainWindow window(*app);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(window.frameGeometry(), area);
    }

    void FileCommandsGoThroughTheDocument() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        MainWindow window(*app);
        const QString path = ws.File(QStringLiteral("saved.trn"));
        ws.prompter.files = {path.toStdString()};
        window.Action(command::kFileSaveAs)->trigger();
        QCOMPARE(window.windowTitle(), path + QStringLiteral(" - TarnWin for Corvane"));
        QCOMPARE(app->recent.Entries(), std::vector{path.toStdString()});  // a saved-as file is a recent one

        window.Action(command::kFileNew)->trigger();
        ws.prompter.files = {path.toStdString()};
        window.Action(command::kFileOpen)->trigger();
        QCOMPARE(window.windowTitle(), path + QStringLiteral(" - TarnWin for Corvane"));
        QCOMPARE(app->recent.Entries().front(), path.toStdString());
        QSettings ini(ws.File(QStringLiteral("TarnWin.ini")), QSettings::IniFormat);
        QCOMPARE(ini.value("Recent File List/File1").toString(), path);
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::MainWindowTest)
#include "MainWindowTest.moc"
