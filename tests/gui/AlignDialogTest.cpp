// Alignment > Align end to end against the virtual radio: the alignment entry, then the Alignment dialog
// driving the radio's alignment memory and transmitter, and the way out that stores the values and
// leaves the radio unkeyed and out of alignment mode.
#include <QLabel>
#include <QPushButton>
#include <functional>

#include "SimRadio.h"
#include "align/AlignDlg.h"
#include "channels/UndoLockEdit.h"
#include "settings/EnterComboBox.h"

namespace tarn::gui {
namespace {

// A maintenance-mode main window on a document with an AM and an FM channel, MR 1 and 2.
struct Bench : test::RadioBench {
    explicit Bench(QStringList faults = {}) : RadioBench(std::move(faults)) {
        app.document.NewDocument();  // MR 1 is an AM channel, the only one in use
        app.document.Settings().GrayExpansion = 1;  // 150 MHz stays an FM channel
        ChannelEntry& fm = app.document.Channels().Entries[1];
        std::tie(fm.Empty, fm.Mode, fm.Band, fm.RxFrequency) = std::tuple(0, kBandExp, kBandExp, 150000000);
        app.maintenanceMode = true;
        Show();
    }

    // Runs Align and hands the open dialog to `script`, which ends by leaving it.
    void Align(const std::function<void(CAlignDlg&)>& script) {
        bool ran = false;
        std::function<void()> poll = [&] {
            if (auto* dialog = qobject_cast<CAlignDlg*>(QApplication::activeModalWidget())) {
                ran = true;
                script(*dialog);
                if (dialog->isVisible()) dialog->done(QDialog::Rejected);  // a failed check left it open
            } else {
                QTimer::singleShot(50, poll);
            }
        };
        QTimer::singleShot(50, poll);
        Trigger(command::kAlign);
        QVERIFY(ran);
    }

    // The radio's notes about the alignment commands, in order.
    QStringList Notes() const {
        QStringList notes;
        for (const std::string& note : sim.Notes()) {
            if (note.rfind("align ", 0) == 0) notes << QString::fromStdString(note.substr(6));
        }
        return notes;
    }
};

}  // namespace

class AlignDialogTest : public QObject {
    Q_OBJECT
private slots:
    // Which items open, how values are clamped, what a test sends and that a failed unkey keeps STOP are
    // the core's; here the dialog's controls reaching the radio, and Escape during a test leaving it unkeyed
    // with the values stored.
    void DrivesTheRadioAndLeavesItUnkeyedOnClose() {
        Bench bench;
        bench.Align([&](CAlignDlg& dialog) {
            // Another channel: the radio tunes to slot 1.
            dialog.ChannelList()->setCurrentIndex(1);
            emit dialog.ChannelList()->activated(1);
            QCOMPARE(dialog.LineText(0)->text(), QStringLiteral("EXP"));
            // A typed value goes live and into the radio's alignment memory (word 0x25 byte 1).
            CUndoLockEdit* box = dialog.ValueBox(13);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);  // unlocks
            QTest::keyClicks(box, QStringLiteral("77"));
            QTest::keyClick(box, Qt::Key_Return);  // locks and applies
            QCOMPARE(bench.sim.Saved().at(75), 77);
            // A live test left running when the dialog is closed.
            QTest::mouseClick(dialog.AdjButton(13), Qt::LeftButton);
            QCOMPARE(dialog.AdjButton(13)->text(), QStringLiteral("STOP"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
        });
        const QStringList notes = bench.Notes();
        QVERIFY(notes.contains(QStringLiteral("channel 1")));
        const int key = notes.indexOf(QStringLiteral("key"));
        QVERIFY(key >= 0 && notes.indexOf(QStringLiteral("unkey"), key) > key);
        QCOMPARE(notes.last(), QStringLiteral("leave"));
        QCOMPARE(bench.app.document.Image()[75], 77);
        QVERIFY(bench.app.document.Modified());
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::AlignDialogTest)
#include "AlignDialogTest.moc"
