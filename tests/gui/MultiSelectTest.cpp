// Editing many channels at once as the user does it: rows selected by keyboard and mouse become the slots
// of a fill, a move or a sort, each one undo step. The rules of each operation are the core's; here the
// selection reaching it, the redrawn grid and the selection following the moved channels.
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

    void Click(int row, int column, Qt::KeyboardModifiers modifiers = {}) {
        const QRect cell = view.Grid()->visualRect(view.Model()->index(row, column));
        QTest::mouseClick(view.Grid()->viewport(), Qt::LeftButton, modifiers, cell.center());
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(view.Grid(), key, modifiers); }
    QStringList Column(int column) const {
        QStringList texts;
        for (int row = 0; row < 5; ++row) texts << view.Model()->index(row, column).data().toString().trimmed();
        return texts;
    }
    std::vector<std::size_t> Selected() const { return view.Selection()->Slots(); }

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
        QTest::keyClicks(s.view.Editor()->Box(), "21.55");
        // In the open edit box Del and Ins are the box's keys, not the channel commands'.
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Return}) {
            QTest::keyClick(s.view.Editor()->Box(), key);
        }
        QCOMPARE(s.Column(4), (QStringList{"118.00000", "121.50000", "121.50000", "121.50000", "118.00000"}));
        QCOMPARE(s.shown.window.statusBar()->currentMessage(), QStringLiteral("Changed 3 channels, 1 left unchanged"));

        // One undo takes the whole fill back, and leaves a single cell selected even with Ctrl held.
        s.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.Column(4), (QStringList{"118.00000", "118.02500", "118.05000", "118.07500", "118.00000"}));
        QCOMPARE(s.Selected().size(), 1u);
    }

    // Space hands the current channel's new value to the rows clicked with Shift and Ctrl; Ctrl+Down moves
    // them, the selection and the current channel going with them. A sort from the menu is one step too.
    void ClickedRowsAreSteppedMovedAndSortedEachAsOneStep() {
        Session s;
        s.Click(0, 13);
        s.Click(1, 13, Qt::ShiftModifier);
        s.Click(3, 13, Qt::ControlModifier);
        QCOMPARE(s.Selected(), (std::vector<std::size_t>{0, 1, 3}));
        s.Key(Qt::Key_Space);
        QCOMPARE(s.Column(13), (QStringList{"v", "v", "-", "v", "-"}));
        s.Key(Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(s.Column(3), (QStringList{"B", "D", "C", "", "A"}));
        QCOMPARE(s.Selected(), (std::vector<std::size_t>{1, 2, 4}));
        QCOMPARE(s.app->document.Channels().CurrentIndex, 4u);
        s.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.Column(3), kTags);

        s.shown.window.Action(command::kSortByTag)->trigger();
        QCOMPARE(s.Column(3), (QStringList{"A", "B", "C", "D", ""}));
        s.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.Column(3), kTags);
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::MultiSelectTest)
#include "MultiSelectTest.moc"
