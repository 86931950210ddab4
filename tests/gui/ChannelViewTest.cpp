// The channel view: the grid texts, the header panel, group switching with F2 and column visibility.
#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "GuiTestSupport.h"
#include "channels/ChannelTableModel.h"
#include "channels/ChannelView.h"
#include "model/ChannelFieldTexts.h"

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
    void DefaultImageTexts() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        ChannelView view(*app);
        QCOMPARE(view.GroupLabel(), QStringLiteral(" MR GROUP      "));
        QCOMPARE(view.Model()->rowCount(), 70);
        QCOMPARE(RowTexts(view, 0), (QStringList{"   1", "AM", "-", "        ", "118.00000", "----------",
                                                 "----------", "-----", "-----", "HI", "25k", "-", "-", "-",
                                                 "Simplex"}));
        QCOMPARE(view.Model()->index(68, 0).data().toString(), QStringLiteral("PMSL"));
        QCOMPARE(view.Model()->index(69, 0).data().toString(), QStringLiteral("PMSU"));
        // Empty channels stay listed in the inactive text colour; channels in use in the normal one.
        QVERIFY(!view.Model()->index(0, 3).data(Qt::ForegroundRole).isValid());
        QCOMPARE(view.Model()->index(1, 3).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QApplication::palette().color(QPalette::Disabled, QPalette::Text));
        QCOMPARE(view.Model()->index(0, 7).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE((QStringList{view.HeaderValue(0), view.HeaderValue(1), view.HeaderValue(2), view.HeaderValue(3)}),
                 (QStringList{"0B000000", "Corvane", "COM1", "0.00"}));
    }

    void FullBookGroupFromAFile() {
        test::Workspace ws;
        const std::string path = ws.File(QStringLiteral("book.trn")).toStdString();
        {
            auto writer = ws.MakeApp();
            ChannelTable& table = writer->document.Channels();
            for (std::size_t slot = kBookFirstSlot; slot < kWxFirstSlot; ++slot) {
                ChannelEntry& e = table.Entries[slot];
                e.Empty = 0;
                SetTag(e, "BK" + std::to_string(slot - kBookFirstSlot + 1));
                e.RxFrequency = 120000000 + static_cast<std::int32_t>(slot - kBookFirstSlot) * 25000;
                e.ShiftMode = kShiftSplit;
                e.TxFrequency = 121000000;
            }
            table.Entries[kBookFirstSlot + 89].ToneType = kToneDcs;
            table.Entries[kBookFirstSlot + 89].DcsIndex = 7;
            writer->document.SetCurrentFilePath(path);
            QVERIFY(writer->document.Save());
        }
        auto app = ws.MakeApp();
        QVERIFY(app->document.OpenDocument(path));
        test::ShownView shown(*app);
        shown.PressF2();
        QCOMPARE(shown.view.GroupLabel(), QStringLiteral(" BOOK GROUP    "));
        QCOMPARE(shown.view.Model()->rowCount(), 90);
        QCOMPARE(app->document.Channels().CurrentIndex, 70u);
        QCOMPARE(RowTexts(shown.view, 0).mid(0, 6),
                 (QStringList{"   1", "AM", "-", "BK1     ", "120.00000", "121.00000"}));
        const QStringList last = RowTexts(shown.view, 89);
        QCOMPARE((QStringList{last[0], last[3], last[4], last[7], last[8]}),
                 (QStringList{"  90", "BK90    ", "122.22500", "DCS", "047"}));
        for (int row = 0; row < 90; ++row) {
            QVERIFY(!shown.view.Model()->index(row, 0).data(Qt::ForegroundRole).isValid());
        }
        // Moving in the grid moves the current channel.
        shown.view.Grid()->setCurrentIndex(shown.view.Model()->index(5, 3));
        QCOMPARE(app->document.Channels().CurrentIndex, 75u);
    }

    void F2CyclesThroughTheGroupsTheSettingsSwitchOn() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        test::ShownView shown(*app);
        const QStringList all{" BOOK GROUP    ", " WEATHER GROUP ", " BRS GROUP     ", " MR GROUP      "};
        for (const QString& expected : all) {
            shown.PressF2();
            QCOMPARE(shown.view.GroupLabel(), expected);
        }
        QCOMPARE(shown.view.Model()->rowCount(), 70);

        app->document.Settings().WeatherBand = 0;
        shown.PressF2();
        shown.PressF2();
        QCOMPARE(shown.view.GroupLabel(), QStringLiteral(" BRS GROUP     "));
        QCOMPARE(shown.view.Model()->rowCount(), 32);
        QCOMPARE(shown.view.Model()->index(0, 3).data().toString(), QStringLiteral("ch 01   "));

        app->document.Settings().BrsMode = 0;
        shown.PressF2();
        shown.PressF2();
        QCOMPARE(shown.view.GroupLabel(), QStringLiteral(" BOOK GROUP    "));
        shown.PressF2();
        QCOMPARE(shown.view.GroupLabel(), QStringLiteral(" MR GROUP      "));
    }

    void ItemCommandsHideAndShowTheirColumns() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        ChannelView view(*app);
        const std::vector<int> widths{view.Grid()->columnWidth(4), view.Grid()->columnWidth(5),
                                      view.Grid()->columnWidth(6)};
        QVERIFY(*std::min_element(widths.begin(), widths.end()) >= 1080 / 15);
        view.ToggleItem(3);
        QCOMPARE(app->settings.itemVisible[3], 0);
        view.Refresh();  // a full refresh keeps what the flags say
        for (int c : {4, 5, 6}) QCOMPARE(view.Grid()->columnWidth(c), 0);
        QVERIFY(view.Grid()->columnWidth(7) > 0);
        view.ToggleItem(3);
        QCOMPARE(app->settings.itemVisible[3], 1);
        for (int c : {4, 5, 6}) QCOMPARE(view.Grid()->columnWidth(c), widths[c - 4]);
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
