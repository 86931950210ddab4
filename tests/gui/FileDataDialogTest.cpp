// The File Data dialog as the user drives it: the floating byte edit opened by a digit, Enter and a double
// click, Escape, the read-only trailer, Enter that closes nothing, and Shift+F9 from the main window with
// Cancel and OK. Which bytes and texts are the core's.
#include <QPushButton>

#include "GuiTestSupport.h"
#include "channels/FilterEdit.h"
#include "channels/SystemBeep.h"
#include "filedata/FileDataDialog.h"
#include "filedata/HexCellEditor.h"

namespace tarn::gui {
namespace {

constexpr int kTagRow = 974 / 16, kTagColumn = 974 % 16;  // first TAG byte of MR channel 1

struct ShownDialog {
    explicit ShownDialog(Document& document) : dialog(document) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QApplication::processEvents();
    }
    void Go(int row, int column) {
        Grid()->setFocus();
        Grid()->setCurrentIndex(Grid()->model()->index(row, column));
    }
    QString Cell(int row, int column) const { return Grid()->model()->index(row, column).data().toString(); }
    QTableView* Grid() const { return dialog.Grid(); }
    CFilterEdit* Box() const { return dialog.CellEditor()->Box(); }
    FileDataDialog dialog;
};

// Types `text` on cell (`row`, `column`): the first digit opens the box, the rest goes into it.
void TypeOn(FileDataDialog* d, int row, int column, const char* text) {
    d->Grid()->setCurrentIndex(d->Grid()->model()->index(row, column));
    QTest::keyClick(d->Grid(), text[0]);
    QTest::keyClicks(d->CellEditor()->Box(), text + 1);
}

}  // namespace

class FileDataDialogTest : public QObject {
    Q_OBJECT
private slots:
    void TheBoxOpensOverTheCellAndStoresWhatIsTyped() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        ShownDialog shown(app->document);
        shown.Go(250, 0);
        QTest::keyClick(shown.Grid(), '7');
        QVERIFY(shown.Box()->isVisible() && shown.Box()->hasFocus());
        QCOMPARE(shown.Box()->text(), QStringLiteral("7"));
        QVERIFY(shown.Box()->geometry().contains(shown.Grid()->visualRect(shown.Grid()->currentIndex())));
        QTest::keyClick(shown.Box(), Qt::Key_Return);  // ends the edit, not the dialog
        QVERIFY(!shown.Box()->isVisible() && shown.dialog.isVisible());
        QCOMPARE(shown.Cell(250, 0), QStringLiteral("07"));
        QVERIFY(app->document.Modified());

        // Enter opens with the cell's text; letters arrive in lower case, other characters not at all.
        QTest::keyClick(shown.Grid(), Qt::Key_Return);
        QCOMPARE(shown.Box()->text(), QStringLiteral("07"));
        QTest::keyClick(shown.Box(), Qt::Key_Backspace);
        QTest::keyClick(shown.Box(), Qt::Key_Backspace);
        QTest::keyClicks(shown.Box(), "xAB");
        QCOMPARE(shown.Box()->text(), QStringLiteral("ab"));
        QTest::keyClick(shown.Box(), Qt::Key_Escape);  // the cell keeps its byte, the dialog stays
        QCOMPARE(shown.Cell(250, 0), QStringLiteral("07"));
        QVERIFY(shown.dialog.isVisible());

        // A double click opens the box too, and leaving it stores the text.
        QTest::mouseDClick(shown.Grid()->viewport(), Qt::LeftButton, {},
                           shown.Grid()->visualRect(shown.Grid()->currentIndex()).center());
        QVERIFY(shown.Box()->isVisible());
        QTest::keyClick(shown.Box(), Qt::Key_Backspace);
        shown.Grid()->setFocus();
        QCOMPARE(shown.Cell(250, 0), QStringLiteral("00"));
    }

    void TheTrailerOnlyBeepsAndEnterNeverClosesTheDialog() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        ShownDialog shown(app->document);
        shown.Go(256, 3);
        const int beeps = SystemBeepCount();
        QTest::keyClick(shown.Grid(), '5');
        QTest::keyClick(shown.Grid(), Qt::Key_Return);
        QCOMPARE(SystemBeepCount(), beeps + 2);
        QVERIFY(!shown.Box()->isVisible());
        QCOMPARE(shown.Cell(256, 3), QStringLiteral("00"));
        // OK is pressed only by the OK button itself.
        QTest::keyClick(&shown.dialog, Qt::Key_Return);
        QVERIFY(shown.dialog.isVisible());
        shown.dialog.OkButton()->setFocus();
        QTest::keyClick(shown.dialog.OkButton(), Qt::Key_Return);
        QCOMPARE(shown.dialog.result(), int(QDialog::Accepted));
    }

    // Shift+F9 in the main window runs the dialog; Cancel keeps the image, OK decodes the edited one and
    // the view is refreshed from it.
    void CancelLeavesTheImageAndOkDecodesIt() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        app->maintenanceMode = true;
        test::ShownWindow shown(*app);
        QTableView* grid = shown.window.View()->Grid();
        const CloneImage before = app->document.Image();

        test::WhenDialogShows<FileDataDialog>([](FileDataDialog* d) {
            TypeOn(d, kTagRow, kTagColumn, "41");
            QTest::keyClick(d->CellEditor()->Box(), Qt::Key_Return);
            QTest::keyClick(d->Grid(), Qt::Key_Escape);
        });
        QTest::keyClick(grid, Qt::Key_F9, Qt::ShiftModifier);
        QCOMPARE(app->document.Image()[974], before[974]);
        QVERIFY(app->document.Modified());

        QApplication::setActiveWindow(&shown.window);
        grid->setFocus();
        test::WhenDialogShows<FileDataDialog>([](FileDataDialog* d) {
            TypeOn(d, 0, 1, "3");  // firmware version 0.03
            QTest::keyClick(d->CellEditor()->Box(), Qt::Key_Return);
            TypeOn(d, kTagRow, kTagColumn, "41");
            QTest::mouseClick(d->OkButton(), Qt::LeftButton);  // leaving the box stores the byte first
        });
        QTest::keyClick(grid, Qt::Key_F9, Qt::ShiftModifier);
        QCOMPARE(app->document.Image()[974], 0x41);
        QCOMPARE(app->document.Channels().Entries[0].TagCodes[0], 0x41);
        QCOMPARE(shown.window.View()->HeaderValue(3), QStringLiteral("0.03"));
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::FileDataDialogTest)
#include "FileDataDialogTest.moc"
