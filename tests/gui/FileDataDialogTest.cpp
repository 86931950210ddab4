// The File Data dialog as the user drives it: the floating byte edit opened by a digit, Enter and a double
// click, Escape, the read-only trailer, Enter that closes nothing, and Shift+F9 from the main window with
// OK. Which bytes, texts and digits are the core's.
#include <QPushButton>

#include "GuiTestSupport.h"
#include "channels/FilterEdit.h"
#include "channels/SystemBeep.h"
#include "filedata/FileDataDialog.h"
#include "filedata/HexCellEditor.h"

namespace tarn::gui {
namespace {

constexpr int kTagRow = 974 / 16, kTagColumn = 974 % 16;  // first TAG byte of MR channel 1

// Types `text` on cell (`row`, `column`): the first digit opens the box, the rest goes into it.
void TypeOn(FileDataDialog* d, int row, int column, const char* text) {
    d->Grid()->setFocus();
    d->Grid()->setCurrentIndex(d->Grid()->model()->index(row, column));
    QTest::keyClick(d->Grid(), text[0]);
    QTest::keyClicks(d->CellEditor()->Box(), text + 1);
}

}  // namespace

class FileDataDialogTest : public QObject {
    Q_OBJECT
private slots:
    // The box opens over the cell; Enter and leaving it store the byte, Escape does not, and only the OK
    // button closes the dialog. The trailer only beeps.
    void TheBoxOpensOverTheCellAndEnterClosesOnlyTheEdit() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        FileDataDialog dialog(app->document);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QTableView* grid = dialog.Grid();
        CFilterEdit* box = dialog.CellEditor()->Box();
        const auto cell = [grid] { return grid->currentIndex().data().toString(); };
        TypeOn(&dialog, 250, 0, "7");
        QVERIFY(box->isVisible() && box->hasFocus());
        QVERIFY(box->geometry().contains(grid->visualRect(grid->currentIndex())));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!box->isVisible() && dialog.isVisible());
        QVERIFY(cell() == QStringLiteral("07") && app->document.Modified());

        QTest::keyClick(grid, Qt::Key_Return);  // opens with the cell's text
        QTest::keyClicks(box, QStringLiteral("ab"));
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(cell() == QStringLiteral("07") && dialog.isVisible());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->currentIndex()).center());
        QVERIFY(box->isVisible());
        QTest::keyClick(box, Qt::Key_Backspace);
        grid->setFocus();
        QCOMPARE(cell(), QStringLiteral("00"));

        const int beeps = SystemBeepCount();
        grid->setCurrentIndex(grid->model()->index(256, 3));
        QTest::keyClick(grid, '5');
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(SystemBeepCount() == beeps + 2 && !box->isVisible());
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        dialog.OkButton()->setFocus();
        QTest::keyClick(dialog.OkButton(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // Shift+F9 in the main window runs the dialog; OK decodes the edited image and the view is refreshed
    // from it. What Cancel and OK keep is pinned by the editor's core test.
    void OkDecodesTheEditedImage() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        app->maintenanceMode = true;
        test::ShownWindow shown(*app);
        QTableView* grid = shown.window.View()->Grid();
        test::WhenDialogShows<FileDataDialog>([](FileDataDialog* d) {
            TypeOn(d, 0, 1, "3");  // firmware version 0.03
            QTest::keyClick(d->CellEditor()->Box(), Qt::Key_Return);
            TypeOn(d, kTagRow, kTagColumn, "41");
            QTest::mouseClick(d->OkButton(), Qt::LeftButton);  // leaving the box stores the byte first
        });
        QTest::keyClick(grid, Qt::Key_F9, Qt::ShiftModifier);
        QCOMPARE(app->document.Channels().Entries[0].TagCodes[0], 0x41);
        QCOMPARE(shown.window.View()->HeaderValue(3), QStringLiteral("0.03"));
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::FileDataDialogTest)
#include "FileDataDialogTest.moc"
