// Editing many channels at once as the user does it: rows selected with Shift and Ctrl by keyboard and
// mouse become the slots of a fill, a move, a delete or a sort, each one undo step. The rules of each
// operation are the core's; here the selection reaching it, the redrawn grid and the status text.
#include <QStatusBar>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "channels/ChannelSelection.h"
#include "channels/ChannelTableModel.h"
#include "channels/FilterEdit.h"
#include "channels/InCellEditor.h"

namespace tarn::gui {
namespace {

// A new document in the shown main window with MR 1..4 in use, TAGs D, C, B, A from 118.0 MHz up.
struct Session {
    Session() : app(ws.MakeApp()), shown(*app), view(*shown.window.View()) {
        for (std::size_t slot = 0; slot < 4; ++slot) {
            ChannelEntry& entry = app->document.Channels().Entries[slot];
            const std::string label = entry.Label;
            entry = app->document.Channels().Entries[0];
            entry.Label = label;
            entry.RxFrequency = 118000000 + 25000 * static_cast<int>(slot);
            entry.Tag = {static_cast<char>('D' - slot)};
        }
        view.Refresh();
        view.Grid()->setFocus();
    }

    QPoint CellCentre(int row, int column) const {
        return view.Grid()->visualRect(view.Model()->index(row, column)).center();
    }
    void Click(int row, int column, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(view.Grid()->viewport(), Qt::LeftButton, modifiers, CellCentre(row, column));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(view.Grid(), key, modifiers); }
    QString Cell(int row, int column) const { return view.Model()->index(row, column).data().toString(); }
    QStringList Column(int column) const {
        QStringList texts;
        for (int row = 0; row < 5; ++row) texts << Cell(row, column).trimmed();
        return texts;
    }
    std::vector<std::size_t> Selected() const { return view.Selection()->Slots(); }
    QString Status() const { return shown.window.statusBar()->currentMessage(); }
    QAction* Action(int command) const { return shown.window.Action(command); }

    test::Workspace ws;
    std::unique_ptr<AppContext> app;
    test::ShownWindow shown;
    ChannelView& view;
};

const QStringList kTags{"D", "C", "B", "A", ""};

}  // namespace

class MultiSelectTest : public QObject {
    Q_OBJECT
private slots:
    void ShiftUpSelectsRowsAndATypedValueFillsEachChannel() {
        Session s;
        s.Click(4, 4);
        for (int i = 0; i < 3; ++i) s.Key(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(s.Selected(), (std::vector<std::size_t>{1, 2, 3, 4}));
        QTest::keyClick(s.view.Grid(), '1');
        QTest::keyClicks(s.view.Editor()->Box(), "21.5");
        QTest::keyClick(s.view.Editor()->Box(), Qt::Key_Return);
        // MR 5 is empty: it takes no frequency.
        QCOMPARE(s.Column(4), (QStringList{"118.00000", "121.50000", "121.50000", "121.50000", "118.00000"}));
        QCOMPARE(s.Status(), QStringLiteral("Changed 3 channels, 1 left unchanged"));
        QCOMPARE(s.Action(command::kEditUndo)->text(), QStringLiteral("&Undo Receive of 4 channels"));

        // One undo takes the whole fill back, and leaves a single cell selected even with Ctrl held.
        s.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.Column(4), (QStringList{"118.00000", "118.02500", "118.05000", "118.07500", "118.00000"}));
        QCOMPARE(s.Selected().size(), 1u);
        QVERIFY(!s.app->document.Modified());
    }

    void ClicksWithShiftAndCtrlSelectRowsThatSpaceStepsAlike() {
        Session s;
        s.Click(0, 13);
        s.Click(1, 13, Qt::ShiftModifier);
        s.Click(3, 13, Qt::ControlModifier);
        QCOMPARE(s.Selected(), (std::vector<std::size_t>{0, 1, 3}));
        s.Key(Qt::Key_Space);  // Scan of MR 4 (the current cell) switched on, and handed to MR 1 and 2
        QCOMPARE(s.Column(13), (QStringList{"v", "v", "-", "v", "-"}));
        QCOMPARE(s.Status(), QStringLiteral("Changed 3 channels"));

        // Ctrl+Space takes the current cell out of the selection and stays on it ("   2" starts with a blank).
        s.Click(0, 0);
        s.Key(Qt::Key_Down, Qt::ShiftModifier);
        s.Key(Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(s.view.Grid()->currentIndex().row(), 1);
        QVERIFY(!s.view.Grid()->selectionModel()->isSelected(s.view.Model()->index(1, 0)));
    }

    void CtrlDownMovesTheSelectedChannelsAndTheSelectionGoesWithThem() {
        Session s;
        s.Click(0, 3);
        s.Key(Qt::Key_Down, Qt::ShiftModifier);
        s.Key(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(s.Column(3), (QStringList{"B", "D", "C", "A", ""}));
        QCOMPARE(s.Selected(), (std::vector<std::size_t>{1, 2}));
        QCOMPARE(s.view.Grid()->currentIndex(), s.view.Model()->index(2, 3));
        QCOMPARE(s.app->document.Channels().CurrentIndex, 2u);
        QCOMPARE(s.Action(command::kEditUndo)->text(), QStringLiteral("&Undo Move Down"));
        s.Key(Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(s.Column(3), kTags);
        s.Key(Qt::Key_Up, Qt::ControlModifier);  // MR 1 is the group's first: refused
        QCOMPARE(s.Column(3), kTags);
        QCOMPARE(s.Selected(), (std::vector<std::size_t>{0, 1}));
    }

    void SortByTagFromTheMenuIsOneStepAndOnlyForMrAndBook() {
        Session s;
        s.Action(command::kSortByTag)->trigger();
        QCOMPARE(s.Column(3), (QStringList{"A", "B", "C", "D", ""}));
        s.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.Column(3), kTags);
        for (int group = 1; group < 4; ++group) {
            s.Key(Qt::Key_F2);
            QCOMPARE(s.Action(command::kSortByTag)->isEnabled(), group == 1);
            QCOMPARE(s.Action(command::kMoveChannelsDown)->isEnabled(), group == 1);
        }
    }

    void InsertShiftsTheChannelsDownOrSaysWhyNot() {
        Session s;
        s.Click(1, 3);
        s.Key(Qt::Key_Insert);
        QCOMPARE(s.Column(3), (QStringList{"D", "", "C", "B", "A"}));
        s.app->document.Channels().Entries[67].Empty = 0;  // MR 68, the last before the scan limits
        s.Key(Qt::Key_Insert);
        QCOMPARE(s.ws.prompter.shown.size(), 1u);
        QVERIFY(s.ws.prompter.shown[0].text.starts_with("No empty channel can be inserted"));
        QCOMPARE(s.Column(3), (QStringList{"D", "", "C", "B", "A"}));
    }

    // Del takes the selected channels out of use after asking; in the open edit box Del and Ins stay the
    // box's own keys.
    void DeleteAsksAndTheEditBoxKeepsItsKeys() {
        Session s;
        const auto inUse = [&s] {
            QString marks;
            for (std::size_t slot = 0; slot < 5; ++slot) marks += s.app->document.Channels().Entries[slot].Empty ? '-' : 'v';
            return marks;
        };
        s.Click(2, 3);
        s.Key(Qt::Key_Down, Qt::ShiftModifier);
        s.ws.prompter.answers = {Answer::No, Answer::Yes};
        s.Key(Qt::Key_Delete);
        QCOMPARE(inUse(), QStringLiteral("vvvv-"));
        s.Key(Qt::Key_Delete);
        QCOMPARE(s.ws.prompter.Texts(), std::vector<std::string>(2, "Delete the 2 selected channels?"));
        QCOMPARE(inUse(), QStringLiteral("vv---"));

        s.Click(1, 3);
        QTest::keyClick(s.view.Grid(), 'X');
        for (Qt::Key key : {Qt::Key_Home, Qt::Key_Delete, Qt::Key_Insert}) QTest::keyClick(s.view.Editor()->Box(), key);
        QCOMPARE(s.view.Editor()->Box()->text(), QString());
        QTest::keyClick(s.view.Editor()->Box(), Qt::Key_Escape);
        QCOMPARE(inUse(), QStringLiteral("vv---"));
        QCOMPARE(s.Column(3), kTags);
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::MultiSelectTest)
#include "MultiSelectTest.moc"
