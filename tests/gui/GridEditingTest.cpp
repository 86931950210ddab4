// Editing in the channel grid as the user does it: the in-cell edit box opened by typing and Enter,
// Escape, Space, the tone list and F3, Edit > Copy and Edit > Paste through the system clipboard, undo
// and redo of a cell edit, and edits committed before the channels are read. What each edit does is the
// core's; a dialog's OK as one undo step is checked with the settings editors.
#include <QClipboard>
#include <QItemSelectionModel>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "channels/ChannelTableModel.h"
#include "channels/FilterEdit.h"
#include "channels/InCellEditor.h"
#include "channels/PickListDialog.h"
#include "channels/SystemBeep.h"

namespace tarn::gui {
namespace {

QString Clipboard() { return QGuiApplication::clipboard()->text(); }

// A new document in the shown main window, its grid and its commands.
struct Session {
    Session() : app(ws.MakeApp()), shown(*app), view(*shown.window.View()) {}

    // Makes the cell of the current group's `row` and `column` the grid's current cell, the grid focused.
    void Go(int row, int column) {
        view.Grid()->setFocus();
        view.Grid()->setCurrentIndex(view.Model()->index(row, column));
    }
    // Types `text` on that cell: its first key opens the edit box, the rest goes into the box.
    void Type(int row, int column, const char* text) {
        Go(row, column);
        QTest::keyClick(view.Grid(), text[0]);
        QTest::keyClicks(Box(), QString::fromLatin1(text + 1));
    }
    QString Cell(int row, int column) const { return view.Model()->index(row, column).data().toString(); }
    QStringList Row(int row) const {
        QStringList texts;
        for (int column = 0; column < 15; ++column) texts << Cell(row, column);
        return texts;
    }
    CFilterEdit* Box() const { return view.Editor()->Box(); }
    ChannelEntry& Entry(std::size_t slot) { return app->document.Channels().Entries[slot]; }
    QString Tag(std::size_t slot) { return QString::fromLatin1(Entry(slot).Tag.data()); }
    bool Modified() const { return app->document.Modified(); }
    void Run(int command) { shown.window.Action(command)->trigger(); }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        Run(command::kEditPaste);
    }

    test::Workspace ws;
    std::unique_ptr<AppContext> app;
    test::ShownWindow shown;
    ChannelView& view;
};

}  // namespace

class GridEditingTest : public QObject {
    Q_OBJECT
private slots:
    void TypingEnterAndEscape() {
        Session s;
        s.Type(0, 4, "119.1x13");  // the frequency filter drops the letter
        QVERIFY(s.Box()->hasFocus());
        // Keys the box has no use for stay with it: a capital letter's Shift once ended the edit.
        for (Qt::Key unused : {Qt::Key_Shift, Qt::Key_Up, Qt::Key_F3}) QTest::keyClick(s.Box(), unused);
        QCOMPARE(s.Box()->text(), QStringLiteral("119.113"));
        QTest::keyClick(s.Box(), Qt::Key_Return);
        QVERIFY(!s.Box()->isVisible() && s.view.Grid()->hasFocus());
        QCOMPARE(s.Cell(0, 4), QStringLiteral("119.12500"));
        QVERIFY(s.Modified());

        // Enter opens the box with the cell's text, all selected; Escape leaves the channel as it was.
        s.app->document.SetModified(false);
        QTest::keyClick(s.view.Grid(), Qt::Key_Return);
        QCOMPARE(s.Box()->selectedText(), QStringLiteral("119.12500"));
        QTest::keyClicks(s.Box(), "121.5");
        QTest::keyClick(s.Box(), Qt::Key_Escape);
        QVERIFY(!s.Box()->isVisible() && s.view.Grid()->hasFocus());
        QCOMPARE(s.Cell(0, 4), QStringLiteral("119.12500"));

        // Where no value can be typed nothing opens: the transmit cell of a Simplex channel beeps.
        const int beeps = SystemBeepCount();
        s.Go(0, 5);
        QTest::keyClick(s.view.Grid(), '1');
        QVERIFY(!s.Box()->isVisible() && SystemBeepCount() == beeps + 1 && !s.Modified());
    }

    void TheEditIsStoredIntoTheCellWhereItBeganAndBeforeSaveOrF2() {
        Session s;
        s.Type(0, 3, "TWR");
        // A click on another cell takes the focus from the box before the grid moves to that cell.
        const QPoint other = s.view.Grid()->visualRect(s.view.Model()->index(3, 3)).center();
        QTest::mouseClick(s.view.Grid()->viewport(), Qt::LeftButton, {}, other);
        QVERIFY(!s.Box()->isVisible());
        QCOMPARE(s.app->document.Channels().CurrentIndex, 3u);
        QCOMPARE(std::pair(s.Tag(0), s.Tag(3)), std::pair(QStringLiteral("TWR     "), QStringLiteral("        ")));

        s.Type(0, 3, "SAVED");
        s.ws.prompter.files = {s.ws.File(QStringLiteral("saved.trn")).toStdString()};
        s.Run(command::kFileSaveAs);
        QCOMPARE(s.Tag(0), QStringLiteral("SAVED   "));
        QVERIFY(!s.Box()->isVisible() && !s.Modified());  // the save came after the edit

        s.Type(0, 3, "X");
        QTest::keyClick(s.Box(), Qt::Key_F2);
        QCOMPARE(s.Tag(0), QStringLiteral("X       "));
        QCOMPARE(s.view.GroupLabel(), QStringLiteral(" BOOK GROUP    "));
        QVERIFY(!s.Box()->isVisible());
    }

    // A TAG holds 8-bit characters only: "€" would be stored as ",", and pasted as "?".
    void CharactersBeyondEightBitsAreRefusedWithTheBeep() {
        Session s;
        s.Type(0, 3, "A");
        const int beeps = SystemBeepCount();
        QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u20AC"));
        QApplication::sendEvent(s.Box(), &euro);
        s.Paste(QStringLiteral("B\u20AC"));  // into the edit box: refused whole
        s.Paste(QStringLiteral("B\u00E9"));  // 8-bit text goes through the filter as typed
        QCOMPARE(s.Box()->text(), QStringLiteral("ABi"));
        QTest::keyClick(s.Box(), Qt::Key_Return);
        s.Paste(QStringLiteral("\u20ACURO"));  // into the cell
        QCOMPARE(SystemBeepCount(), beeps + 3);
        QCOMPARE(s.Cell(0, 3), QStringLiteral("ABi     "));
    }

    // Space on MR 1 (an AM channel at 118 MHz, Simplex). What Space does is the core's; here the key
    // reaching it, the beep, the edit box opened with a blank and the redrawn cell. Marks: 'b' a beep,
    // 'm' modified, 'e' the box opened with a blank, 'c' its own cell changed, a number another cell.
    void SpaceReachesTheCellsRule() {
        for (auto [column, expected] : {std::pair(2, "b"), {3, "me"}, {11, "mc"}}) {
            Session s;
            const QStringList before = s.Row(0);
            s.Go(0, column);
            const int beeps = SystemBeepCount();
            QTest::keyClick(s.view.Grid(), Qt::Key_Space);
            const QStringList after = s.Row(0);
            QString marks = QString(SystemBeepCount() - beeps, 'b') + (s.Modified() ? "m" : "");
            if (s.Box()->isVisible() && s.Box()->text() == QStringLiteral(" ")) marks += 'e';
            for (int other = 0; other < 15; ++other) {
                if (after[other] != before[other]) marks += other == column ? QStringLiteral("c") : QString::number(other);
            }
            QCOMPARE(marks, QString::fromLatin1(expected));
        }
    }

    // Space on a tone cell opens the tone list, which keeps a tone it does not offer; F3 inverts a code.
    void ToneListKeepsAToneItDoesNotOfferAndF3InvertsACode() {
        Session s;
        ChannelEntry& exp = s.Entry(0);
        s.app->document.Settings().GrayExpansion = 1;
        std::tie(exp.Mode, exp.Band, exp.RxFrequency, exp.Step) = std::tuple(kBandExp, kBandExp, 150000000, 0);
        std::tie(exp.ToneType, exp.CtcssIndex) = std::tuple(kToneCtcss, 45);  // one the list does not offer
        s.view.Refresh();
        s.Go(0, 8);
        test::WhenDialogShows<CTonePickDlg>([](CTonePickDlg* dialog) {
            QCOMPARE(dialog->SelectedRow(), -1);
            dialog->accept();
        });
        QTest::keyClick(s.view.Grid(), Qt::Key_Space);
        QCOMPARE(exp.CtcssIndex, 45u);
        exp.ToneType = kToneDcs;
        QTest::keyClick(s.view.Grid(), Qt::Key_F3);
        QCOMPARE(s.Cell(0, 8), QStringLiteral("047"));
    }

    // Copy gives the selected cells, or on the channel column the slot over the whole table. What a
    // paste does to a cell is the core's.
    void CopyAndPasteThroughTheClipboard() {
        Session s;
        s.Go(0, 9);
        s.view.Grid()->selectionModel()->select(
            QItemSelection(s.view.Model()->index(0, 9), s.view.Model()->index(1, 10)),
            QItemSelectionModel::ClearAndSelect);
        s.Run(command::kEditCopy);
        QCOMPARE(Clipboard(), s.Cell(0, 9) + '\t' + s.Cell(0, 10) + '\r' + s.Cell(1, 9) + '\t' + s.Cell(1, 10));

        QTest::keyClick(s.view.Grid(), Qt::Key_F2);
        s.Go(0, 0);
        s.Run(command::kEditCopy);
        QCOMPARE(Clipboard(), QStringLiteral("71"));  // BOOK 1

        // In the edit box, Copy and Paste act on its text and leave the edit open.
        s.Type(0, 3, "RWY");
        s.Box()->selectAll();
        s.Run(command::kEditCopy);
        QCOMPARE(Clipboard(), QStringLiteral("RWY"));
        s.Paste(QStringLiteral("TWR"));
        QVERIFY(s.Box()->isVisible() && s.Box()->text() == QStringLiteral("TWR"));
    }

    // Ctrl+Z takes a cell edit back and Ctrl+Y brings it again; the menu names the step or is disabled.
    void CtrlZUndoesACellEditAndCtrlYRedoesIt() {
        Session s;
        QAction* undo = s.shown.window.Action(command::kEditUndo);
        QAction* redo = s.shown.window.Action(command::kEditRedo);
        QCOMPARE(std::tuple(undo->text(), undo->isEnabled()), std::tuple(QStringLiteral("&Undo"), false));
        s.Type(0, 4, "121.5");
        QTest::keyClick(s.Box(), Qt::Key_Return);
        QCOMPARE(std::tuple(undo->text(), undo->isEnabled()), std::tuple(QStringLiteral("&Undo Receive of MR 1"), true));
        s.Go(2, 3);  // the cursor stays where the user is
        QTest::keyClick(s.view.Grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.Cell(0, 4), QStringLiteral("118.00000"));
        QCOMPARE(s.view.Grid()->currentIndex(), s.view.Model()->index(2, 3));
        QVERIFY(!s.Modified() && !undo->isEnabled());
        QCOMPARE(std::tuple(redo->text(), redo->isEnabled()), std::tuple(QStringLiteral("&Redo Receive of MR 1"), true));
        QTest::keyClick(s.view.Grid(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(s.Cell(0, 4), QStringLiteral("121.50000"));
        QVERIFY(s.Modified() && !redo->isEnabled());
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::GridEditingTest)
#include "GridEditingTest.moc"
