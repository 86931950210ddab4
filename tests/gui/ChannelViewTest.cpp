// The channel view: the grid's colours, the header panel, group switching with F2, Shift+F9 and redraws.
#include <QApplication>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "GuiTestSupport.h"
#include "channels/ChannelTableModel.h"
#include "channels/ChannelView.h"

namespace tarn::gui {
namespace {

QStringList RowTexts(const ChannelView& view, int row) {
    QStringList texts;
    for (int c = 0; c < 15; ++c) texts << view.Model()->index(row, c).data().toString();
    return texts;
}

}  // namespace

class ChannelViewTest : public QObject {
    Q_OBJECT
private slots:
    // The texts themselves are the core's; here the row colours, alignment and the header panel.
    void DefaultImageTexts() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        ChannelView view(*app);
        QCOMPARE(RowTexts(view, 0).mid(0, 5), (QStringList{"   1", "AM", "-", "        ", "118.00000"}));
        // Empty channels stay listed in the inactive text colour; channels in use in the normal one.
        QVERIFY(!view.Model()->index(0, 3).data(Qt::ForegroundRole).isValid());
        QCOMPARE(view.Model()->index(1, 3).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QApplication::palette().color(QPalette::Disabled, QPalette::Text));
        QCOMPARE(view.Model()->index(0, 7).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE((QStringList{view.HeaderValue(0), view.HeaderValue(1), view.HeaderValue(2), view.HeaderValue(3)}),
                 (QStringList{"0B000000", "Corvane", "COM1", "0.00"}));
    }

    // Which groups are switched on is the core's; here F2 reaching it and the grid following.
    void F2CyclesThroughTheGroups() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        test::ShownView shown(*app);
        const std::pair<QString, int> groups[] = {
            {" BOOK GROUP    ", 90}, {" WEATHER GROUP ", 10}, {" BRS GROUP     ", 32}, {" MR GROUP      ", 70}};
        for (const auto& [label, rows] : groups) {
            shown.PressF2();
            QCOMPARE(std::pair(shown.view.GroupLabel(), shown.view.Model()->rowCount()), std::pair(label, rows));
        }
        // Moving in the grid moves the current channel: BOOK 6 is slot 75.
        shown.PressF2();
        shown.view.Grid()->setCurrentIndex(shown.view.Model()->index(5, 3));
        QCOMPARE(app->document.Channels().CurrentIndex, 75u);
    }

    void ShiftF9AsksForTheRawEditorOnlyInMaintenanceMode() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        test::ShownView shown(*app);
        QSignalSpy asked(&shown.view, &ChannelView::FileDataRequested);
        QTest::keyClick(shown.view.Grid(), Qt::Key_F9, Qt::ShiftModifier);
        QCOMPARE(asked.count(), 0);
        app->maintenanceMode = true;
        QTest::keyClick(shown.view.Grid(), Qt::Key_F9, Qt::ShiftModifier);
        QCOMPARE(asked.count(), 1);
    }

    void RedrawAfterChangeSignalsTheAffectedCells() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        ChannelView view(*app);
        QSignalSpy changed(view.Model(), &QAbstractItemModel::dataChanged);
        view.RedrawAfterChange(0, 14);
        view.RedrawAfterChange(0, 0);  // the row colour: the whole row
        QCOMPARE(changed.count(), 4);
        QCOMPARE(std::pair(changed[0][0].toModelIndex().column(), changed[3][1].toModelIndex().column()),
                 std::pair(14, 14));
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::ChannelViewTest)
#include "ChannelViewTest.moc"
