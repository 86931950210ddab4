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
        for (const QByteArray& line : Read("radio.log").split('\n')) {
            if (line.startsWith("# align ")) notes << QString::fromLatin1(line.mid(8));
        }
        return notes;
    }
};

bool OnlyEnabled(CAlignDlg& dialog, int item) {
    bool others = dialog.ChannelList()->isEnabled();
    for (int i = 0; i < kAlignItemCount; ++i) others = others || (i != item && dialog.AdjButton(i)->isEnabled());
    return !others && dialog.AdjButton(item)->isEnabled();
}

}  // namespace

class AlignDialogTest : public QObject {
    Q_OBJECT
private slots:
    // Which items open, how values are clamped and where they are stored is the core's; here the
    // dialog's controls reaching the radio.
    void DrivesTheRadioAndStoresTheValuesOnOk() {
        Bench bench;
        bench.Align([&](CAlignDlg& dialog) {
            QCOMPARE(dialog.ChannelList()->count(), 2);
            // Another channel: the radio tunes to slot 1, the FM items open.
            dialog.ChannelList()->setCurrentIndex(1);
            emit dialog.ChannelList()->activated(1);
            QCOMPARE(dialog.LineText(0)->text(), QStringLiteral("EXP"));
            QVERIFY(dialog.AdjButton(13)->isEnabled() && !dialog.AdjButton(9)->isEnabled());
            // A typed value goes live and into the radio's alignment memory (word 0x25 byte 1).
            CUndoLockEdit* box = dialog.ValueBox(13);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);  // unlocks
            QTest::keyClicks(box, QStringLiteral("300"));
            QTest::keyClick(box, Qt::Key_Return);  // locks and applies, clamped
            QCOMPARE(static_cast<std::uint8_t>(bench.Read("written.bin").at(75)), 255);
            // A capture takes the radio's squelch measurement (0x29 on slot 1).
            QTest::mouseClick(dialog.AdjButton(0), Qt::LeftButton);
            QCOMPARE(dialog.ValueBox(0)->text(), QStringLiteral("41"));
            // A live test: STOP alone stays enabled until it is pressed.
            QTest::mouseClick(dialog.AdjButton(13), Qt::LeftButton);
            QCOMPARE(dialog.AdjButton(13)->text(), QStringLiteral("STOP"));
            QVERIFY(OnlyEnabled(dialog, 13));
            QTest::mouseClick(dialog.AdjButton(13), Qt::LeftButton);
            QVERIFY(dialog.AdjButton(13)->text() == QStringLiteral("ADJ") && dialog.ChannelList()->isEnabled());
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        const QStringList notes = bench.Notes();
        QVERIFY(notes.contains(QStringLiteral("channel 1")));
        const int key = notes.indexOf(QStringLiteral("key"));
        QCOMPARE(notes.mid(key, 3), (QStringList{QStringLiteral("key"), QStringLiteral("level 255"), QStringLiteral("unkey")}));
        QCOMPARE(notes.last(), QStringLiteral("leave"));
        // OK stored the values into the image: the document changed.
        QCOMPARE(std::tuple(bench.app.document.Image()[75], bench.app.document.Image()[64]), std::tuple(255, 41));
        QVERIFY(bench.app.document.Modified());
    }

    void KeepsStopWhileTheRadioMayStillTransmit() {
        // Both unkey frames of the first stop go unanswered.
        Bench bench({QStringLiteral("--ignore-unkey"), QStringLiteral("2")});
        bench.Align([&](CAlignDlg& dialog) {
            QTest::mouseClick(dialog.AdjButton(9), Qt::LeftButton);
            QTest::mouseClick(dialog.AdjButton(9), Qt::LeftButton);
            QCOMPARE(dialog.AdjButton(9)->text(), QStringLiteral("STOP"));
            QVERIFY(OnlyEnabled(dialog, 9));
            QCOMPARE(bench.ws.prompter.shown.size(), std::size_t{1});
            // Escape takes the OK path: the unkey is tried again and, acknowledged now, the dialog closes.
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
        });
        const QStringList notes = bench.Notes();
        QCOMPARE(notes.count(QStringLiteral("unkey")), 1);
        QCOMPARE(notes.last(), QStringLiteral("leave"));
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::AlignDialogTest)
#include "AlignDialogTest.moc"
