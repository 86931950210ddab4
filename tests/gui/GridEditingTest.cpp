// Editing in the channel grid: the in-cell edit box opened by typing, Enter and double clicks, Escape,
// Space on every column, the list dialogs, F3, and edits committed before the channels are read.
#include <QHeaderView>
#include <QListWidget>
#include <QTableView>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "channels/ChannelTableModel.h"
#include "channels/FilterEdit.h"
#include "channels/InCellEditor.h"
#include "channels/PickListDialog.h"
#include "channels/SystemBeep.h"

namespace tarn::gui {
namespace {

// Makes the cell of the current group's `row` and `column` the grid's current cell, the grid focused.
void Go(ChannelView& view, int row, int column) {
    view.Grid()->setFocus();
    view.Grid()->setCurrentIndex(view.Model()->index(row, column));
}

QString Cell(const ChannelView& view, int row, int column) { return view.Model()->index(row, column).data().toString(); }

QStringList RowTexts(const ChannelView& view, int row) {
    QStringList texts;
    for (int c = 0; c < 15; ++c) texts << Cell(view, row, c);
    return texts;
}

QPoint CellCentre(const ChannelView& view, int row, int column) {
    return view.Grid()->visualRect(view.Model()->index(row, column)).center();
}

// A double click as the mouse makes it: a click, then the double-click press.
void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

CFilterEdit* Box(const ChannelView& view) { return view.Editor()->Box(); }

// A new document with its channel view shown.
struct Session {
    Session() : app(ws.MakeApp()), shown(*app), view(shown.view) {}

    // MR 1 made an EXP channel at 150.005 MHz on the 5 kHz step, with "Gray Expansion" on.
    ChannelEntry& MakeExp() {
        app->document.Settings().GrayExpansion = 1;
        ChannelEntry& entry = app->document.Channels().Entries[0];
        entry.Mode = entry.Band = kBandExp;
        entry.RxFrequency = 150005000;
        entry.Step = 0;
        view.Refresh();
        return entry;
    }

    test::Workspace ws;
    std::unique_ptr<AppContext> app;
    test::ShownView shown;
    ChannelView& view;
};

}  // namespace

class GridEditingTest : public QObject {
    Q_OBJECT
private slots:
    void TypingEnterAndEscape() {
        Session s;
        auto& app = s.app;
        ChannelView& view = s.view;
        const ChannelEntry& mr1 = app->document.Channels().Entries[0];

        Go(view, 0, 4);
        QTest::keyClick(view.Grid(), '1');
        QVERIFY(Box(view)->isVisible());
        QVERIFY(Box(view)->hasFocus());
        QCOMPARE(Box(view)->text(), QStringLiteral("1"));
        QVERIFY(!Box(view)->hasSelectedText());
        QTest::keyClicks(Box(view), "19.1x13");  // the frequency filter drops the letter
        QCOMPARE(Box(view)->text(), QStringLiteral("119.113"));
        QTest::keyClick(Box(view), Qt::Key_Return);
        QVERIFY(!Box(view)->isVisible());
        QVERIFY(view.Grid()->hasFocus());
        QCOMPARE(mr1.RxFrequency, 119125000);  // rounded to the channel's 25 kHz step
        QCOMPARE(Cell(view, 0, 4), QStringLiteral("119.12500"));
        QVERIFY(app->document.Modified());

        // Enter opens the box with the cell's text, all selected, so that typing replaces it; Escape
        // leaves the channel as it was.
        app->document.SetModified(false);
        QTest::keyClick(view.Grid(), Qt::Key_Return);
        QCOMPARE(Box(view)->text(), QStringLiteral("119.12500"));
        QCOMPARE(Box(view)->selectedText(), Box(view)->text());
        QTest::keyClicks(Box(view), "121.5");
        QTest::keyClick(Box(view), Qt::Key_Escape);
        QVERIFY(!Box(view)->isVisible());
        QVERIFY(view.Grid()->hasFocus());
        QCOMPARE(mr1.RxFrequency, 119125000);

        // Where no value can be typed nothing opens; the transmit cell of a Simplex channel beeps.
        const int beeps = SystemBeepCount();
        Go(view, 0, 9);
        QTest::keyClick(view.Grid(), '1');
        QVERIFY(!Box(view)->isVisible());
        QCOMPARE(SystemBeepCount(), beeps);
        Go(view, 0, 5);
        QTest::keyClick(view.Grid(), '1');
        QVERIFY(!Box(view)->isVisible());
        QCOMPARE(SystemBeepCount(), beeps + 1);
        QVERIFY(!app->document.Modified());
    }

    void TheEditIsStoredIntoTheCellWhereItBegan() {
        Session s;
        auto& app = s.app;
        ChannelView& view = s.view;
        const ChannelTable& table = app->document.Channels();
        Go(view, 0, 3);
        QTest::keyClicks(view.Grid(), "T");
        QTest::keyClicks(Box(view), "WR");
        // A click on another cell takes the focus from the box before the grid moves to that cell.
        QTest::mouseClick(view.Grid()->viewport(), Qt::LeftButton, {}, CellCentre(view, 3, 3));
        QVERIFY(!Box(view)->isVisible());
        QCOMPARE(table.CurrentIndex, 3u);
        QCOMPARE(Cell(view, 0, 3), QStringLiteral("TWR     "));
        QCOMPARE(Cell(view, 3, 3), QStringLiteral("        "));
    }

    // Space on each column of MR 1 (an AM channel at 118 MHz, Simplex, no tone, step 25k).
    void SpaceOnEachColumn() {
        struct Case {
            int column;
            int beeps;
            bool modified;
            const char* box;  // the edit opened by the blank, or nullptr
            int changed;      // the one cell whose text changes, or -1
        };
        const Case cases[] = {
            {0, 0, true, nullptr, -1},  // MR 1 is never made Empty
            {1, 0, true, nullptr, -1},  {2, 1, false, nullptr, -1}, {3, 0, true, " ", -1},
            {4, 0, true, " ", -1},      {5, 1, true, nullptr, -1},  {6, 1, true, nullptr, -1},
            {7, 1, false, nullptr, -1}, {8, 1, false, nullptr, -1}, {9, 1, false, nullptr, -1},
            {10, 1, false, nullptr, -1}, {11, 0, true, nullptr, 11}, {12, 0, true, nullptr, 12},
            {13, 0, true, nullptr, 13}, {14, 1, false, nullptr, -1},
        };
        for (const Case& c : cases) {
            Session s;
            auto& app = s.app;
            ChannelView& view = s.view;
            const QStringList before = RowTexts(view, 0);
            Go(view, 0, c.column);
            const int beeps = SystemBeepCount();
            QTest::keyClick(view.Grid(), Qt::Key_Space);
            const QByteArray where = "column " + QByteArray::number(c.column);
            QVERIFY2(SystemBeepCount() - beeps == c.beeps, where);
            QVERIFY2(app->document.Modified() == c.modified, where);
            QVERIFY2(Box(view)->isVisible() == (c.box != nullptr), where);
            if (c.box) QVERIFY2(Box(view)->text() == QLatin1String(c.box), where);
            const QStringList after = RowTexts(view, 0);
            for (int column = 0; column < 15; ++column) {
                QVERIFY2((after[column] != before[column]) == (column == c.changed), where);
            }
        }
    }

    void ToneListKeepsAToneItDoesNotOffer() {
        Session s;
        ChannelView& view = s.view;
        ChannelEntry& exp = s.MakeExp();
        exp.ToneType = kToneCtcss;
        exp.CtcssIndex = 45;  // one of the tones the list does not offer
        Go(view, 0, 8);
        test::WhenDialogShows<CTonePickDlg>([](CTonePickDlg* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("CTCSS Frequency"));
            QCOMPARE(dialog->List()->count(), 39);
            QCOMPARE(dialog->SelectedRow(), -1);
            dialog->accept();
        });
        QTest::keyClick(view.Grid(), Qt::Key_Space);
        QCOMPARE(exp.CtcssIndex, 45u);
    }

    void StepListAndF3() {
        Session s;
        ChannelView& view = s.view;
        ChannelEntry& exp = s.MakeExp();
        Go(view, 0, 10);
        test::WhenDialogShows<CStepPickDlg>([](CStepPickDlg* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("STEP"));
            QCOMPARE(dialog->SelectedRow(), 0);
            // A double click on an item chooses it.
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QListWidget* list = dialog->List();
            DoubleClick(list->viewport(), list->visualItemRect(list->item(5)).center());
            if (dialog->isVisible()) dialog->reject();
        });
        QTest::keyClick(view.Grid(), Qt::Key_Space);
        QCOMPARE(exp.Step, 5u);
        QCOMPARE(Cell(view, 0, 10), QStringLiteral("25k"));
        QCOMPARE(Cell(view, 0, 4), QStringLiteral("150.00000"));

        exp.ToneType = kToneDcs;
        Go(view, 0, 8);
        QTest::keyClick(view.Grid(), Qt::Key_F3);
        QCOMPARE(Cell(view, 0, 8), QStringLiteral("047"));
    }

    void DoubleClicks() {
        Session s;
        auto& app = s.app;
        ChannelView& view = s.view;
        Go(view, 0, 13);
        QHeaderView* header = view.Grid()->horizontalHeader();
        DoubleClick(header->viewport(), QPoint(header->sectionViewportPosition(4) + 5, header->height() / 2));
        QCOMPARE(view.CurrentColumn(), 13);
        QVERIFY(!app->document.Modified());

        DoubleClick(view.Grid()->viewport(), CellCentre(view, 0, 13));
        QCOMPARE(app->document.Channels().Entries[0].Scan, 1u);  // as Space
        DoubleClick(view.Grid()->viewport(), CellCentre(view, 0, 4));
        QVERIFY(Box(view)->isVisible());
        QCOMPARE(Box(view)->selectedText(), QStringLiteral("118.00000"));
    }

    // Save, F2 and New store an open edit before they read or replace the channels.
    void AnOpenEditIsStoredBeforeSaveF2AndNew() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        test::ShownWindow shown(*app);
        ChannelView& view = *shown.window.View();
        const ChannelEntry& mr1 = app->document.Channels().Entries[0];
        Go(view, 0, 3);
        QTest::keyClicks(view.Grid(), "S");
        QTest::keyClicks(Box(view), "AVED");
        ws.prompter.files = {ws.File(QStringLiteral("saved.trn")).toStdString()};
        shown.window.Action(command::kFileSaveAs)->trigger();
        QCOMPARE(QString::fromLatin1(mr1.Tag.data()), QStringLiteral("SAVED   "));
        QVERIFY(!Box(view)->isVisible());
        QVERIFY(!app->document.Modified());  // the save came after the edit

        Go(view, 0, 3);
        QTest::keyClicks(view.Grid(), "X");
        QTest::keyClick(Box(view), Qt::Key_F2);
        QCOMPARE(QString::fromLatin1(mr1.Tag.data()), QStringLiteral("X       "));
        QCOMPARE(view.GroupLabel(), QStringLiteral(" BOOK GROUP    "));
        QVERIFY(!Box(view)->isVisible());

        // New asks about the changes of an edit still open.
        app->document.SetModified(false);
        Go(view, 0, 3);
        QTest::keyClicks(view.Grid(), "N");
        const std::size_t asked = ws.prompter.shown.size();
        ws.prompter.answers = {Answer::No};
        shown.window.Action(command::kFileNew)->trigger();
        QCOMPARE(ws.prompter.shown.size(), asked + 1);
        QVERIFY(!Box(view)->isVisible());
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::GridEditingTest)
#include "GridEditingTest.moc"
