// The channel view: the grid's colours and column widths, the header panel, Shift+F9, redraws and the
// pick lists; F2 and the current channel following the grid are driven in the grid editing test. The
// cell texts and which groups are on are the core's.
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>

#include "GuiTestSupport.h"
#include "channels/ChannelTableModel.h"
#include "channels/PickListDialog.h"

namespace tarn::gui {
namespace {

// The program's font at `scale` times its normal size for as long as it lives, as a user's display
// scaling gives it.
struct ScaledFont {
    explicit ScaledFont(double scale) {
        QFont font = normal;
        font.setPointSizeF(normal.pointSizeF() * scale);
        QApplication::setFont(font);
    }
    ~ScaledFont() { QApplication::setFont(normal); }
    const QFont normal = QApplication::font();
};

}  // namespace

class ChannelViewTest : public QObject {
    Q_OBJECT
private slots:
    // Empty channels stay listed in the inactive text colour; channels in use in the normal one.
    void EmptyChannelsAreGreyed() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        ChannelView view(*app);
        QVERIFY(!view.Model()->index(0, 3).data(Qt::ForegroundRole).isValid());
        QCOMPARE(view.Model()->index(1, 3).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QApplication::palette().color(QPalette::Disabled, QPalette::Text));
    }

    void ShiftF9AsksForTheRawEditorOnlyInMaintenanceMode() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        test::ShownView shown(*app);
        QSignalSpy asked(&shown.view, &ChannelView::FileDataRequested);
        QTest::keyClick(shown.view.Grid(), Qt::Key_F9, Qt::ShiftModifier);
        app->maintenanceMode = true;
        QTest::keyClick(shown.view.Grid(), Qt::Key_F9, Qt::ShiftModifier);
        QCOMPARE(asked.count(), 1);
    }

    // Nothing in the grid is cut short ("PMS..." for PMSU once), at the normal and a one and a half
    // times larger font.
    void EveryColumnIsAsWideAsItsWidestText() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        for (std::uint32_t s = 0; s < 70; ++s) {  // the MR channels through the widest values of each column
            ChannelEntry& e = app->document.Channels().Entries[s];
            std::tie(e.Empty, e.Mode, e.Band, e.Narrow, e.ToneType) = std::tuple(0, s % 5, s % 5, s % 2, s % 3);
            std::tie(e.CtcssIndex, e.DcsIndex, e.Step, e.ShiftMode) = std::tuple(s % 50, s, s % 8, s % 4);
            e.RxFrequency = e.TxFrequency = e.ShiftOffset = static_cast<std::int32_t>(s % 10) * 111111110;
            SetTag(e, std::string(8, "WM@%"[s % 4]));
        }
        for (double scale : {1.0, 1.5}) {
            ScaledFont font(scale);
            ChannelView view(*app);  // not shown, so the size hints take in every row
            const QAbstractItemView* grid = view.Grid();  // where the size hint is public
            for (int c = 0; c < 15; ++c) {
                QVERIFY2(view.Grid()->columnWidth(c) >= grid->sizeHintForColumn(c), qPrintable(QString::number(c)));
            }
        }
    }

    // A long printer or PDF file name stays inside its box: the other boxes keep their widths.
    void LongHeaderValuesDoNotSqueezeTheOthers() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        test::ShownView shown(*app);
        const QList<QLabel*> labels = shown.view.findChildren<QLabel*>();
        QLabel* serial = *std::find_if(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "0B000000"; });
        const int width = serial->width();
        app->printerName = "PDF: " + std::string(200, 'x') + ".pdf";
        shown.view.FillHeaderPanel();
        QApplication::processEvents();
        QCOMPARE(serial->width(), width);
    }

    // Every item of the tone and step lists shows whole and without scrolling ("12..." for 12.5k once).
    void PickListsShowEveryItemWhole() {
        for (double scale : {1.0, 1.5}) {
            ScaledFont font(scale);
            CStepPickDlg step(10, 0);
            CTonePickDlg ctcss(1, 0, 8);
            CTonePickDlg dcs(2, 0, 8);
            for (PickListDialog* dialog : std::initializer_list<PickListDialog*>{&step, &ctcss, &dcs}) {
                dialog->show();
                QListWidget* list = dialog->List();
                for (int i = 0; i < list->count(); ++i) {
                    const QRect rect = list->visualItemRect(list->item(i));
                    const QString what = dialog->windowTitle() + ' ' + list->item(i)->text();
                    const int needed = list->sizeHintForIndex(list->model()->index(i, 0)).width();
                    QVERIFY2(rect.width() >= needed, qPrintable(what));
                    QVERIFY2(list->viewport()->rect().contains(rect), qPrintable(what));
                }
            }
        }
    }

    // A change redraws the cells it affects; one that changes the row's colour, the whole row.
    void RedrawAfterChangeSignalsTheAffectedCells() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        ChannelView view(*app);
        QSignalSpy changed(view.Model(), &QAbstractItemModel::dataChanged);
        view.RedrawAfterChange(0, 14);
        view.RedrawAfterChange(0, 0);
        QCOMPARE(changed.count(), 4);
        QCOMPARE(std::pair(changed[0][0].toModelIndex().column(), changed[3][1].toModelIndex().column()),
                 std::pair(14, 14));
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::ChannelViewTest)
#include "ChannelViewTest.moc"
