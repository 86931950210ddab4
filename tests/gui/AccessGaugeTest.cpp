// The progress window against the virtual radio: caption, prompt line and gauge range, the event loop
// running throughout, the job's questions shown by this thread, and the ways the window ends — by itself,
// cancelled while waiting for the radio or for an acknowledgement, or on a port that cannot be opened.
// What the job itself does on the wire is checked without the window.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "SimRadio.h"
#include "app/GuiPrompter.h"
#include "core/support/RecordingPrompter.h"
#include "link/AccessGauge.h"

namespace tarn::gui {
namespace {

using Texts = std::vector<std::string>;

// What one run of the window showed.
struct GaugeRun {
    int result = -1;
    QString caption, prompt;
    int maximum = -1, last = -1;
    int ticksDuringTransfer = 0;  // 10 ms timer ticks between the first and the last block
};

// Runs the window modally; `onMove` sees every gauge position as it arrives.
GaugeRun Run(CAccessGauge& gauge, const std::function<void(int)>& onMove = {}) {
    GaugeRun run;
    int ticks = 0, ticksAtFirst = -1;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    QObject::connect(&gauge, &CAccessGauge::GaugeMoved, [&](int blocks) {
        if (ticksAtFirst < 0) ticksAtFirst = ticks;
        run.ticksDuringTransfer = ticks - ticksAtFirst;
        run.last = blocks;
        run.maximum = gauge.Gauge()->maximum();
        if (onMove) onMove(blocks);
    });
    run.result = gauge.exec();
    run.caption = gauge.windowTitle();
    run.prompt = gauge.PromptLine()->text();
    return run;
}

// Calls `act` once `ready` holds, checking every 20 ms while the window runs.
void When(std::function<bool()> ready, std::function<void()> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, ready, act] {
        if (!ready()) return;
        timer->stop();
        timer->deleteLater();
        act();
    });
    timer->start(20);
}

// A progress window for `operation` on `port` (the virtual radio's, holding "radio.trn" and playing
// `faults`, when empty).
struct Bench {
    Bench(const QTemporaryDir& dir, TransferOperation operation, QStringList faults = {},
          Prompter* prompter = nullptr, bool modified = false, const QString& port = {})
        : sim(dir.filePath(QStringLiteral("radio.trn")), faults, dir.filePath(QStringLiteral("written.bin"))),
          gauge({operation, (port.isEmpty() ? sim.DevicePath() : port).toStdString(), false, modified}, this->port,
                image, prompter ? *prompter : messages) {}

    test::SimRadio sim;
    ClonePort port;
    CloneImage image = test::RadioContent("MINE").Image;
    tarn::test::RecordingPrompter messages;
    CAccessGauge gauge;
};

}  // namespace

class AccessGaugeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(test::WriteRadioImage(dir_.filePath(QStringLiteral("radio.trn")), "TOWER", prompter_));
    }

    void TransferRunsWithTheEventLoopGoing() {
        struct Case {
            TransferOperation operation;
            QStringList faults;
            QString caption, prompt;
            int blocks, minTicks;
            std::string message;
        };
        // At 9600 baud the Upload takes seconds; the window's own loop must keep turning all the while.
        const Case cases[] = {
            {TransferOperation::Upload, {QStringLiteral("--baud-timing")}, QStringLiteral("Upload Function"),
             QStringLiteral("Switch radio OFF, then back ON to start uploading"), 32, 100, "Upload is completed"},
            {TransferOperation::Download, {}, QStringLiteral("Download Function"), {}, 64, 0, "Download is completed"},
        };
        for (const Case& c : cases) {
            Bench bench(dir_, c.operation, c.faults);
            QVERIFY(!bench.sim.DevicePath().isEmpty());
            const GaugeRun run = Run(bench.gauge);
            QCOMPARE(run.result, int(QDialog::Accepted));
            QCOMPARE(run.caption, c.caption);
            if (!c.prompt.isEmpty()) QCOMPARE(run.prompt, c.prompt);
            QCOMPARE(std::tuple(run.maximum, run.last), std::tuple(c.blocks, c.blocks));
            QVERIFY2(run.ticksDuringTransfer >= c.minTicks, qPrintable(QString::number(run.ticksDuringTransfer)));
            QCOMPARE(bench.messages.Texts(), Texts{c.message});
            QVERIFY(!bench.gauge.Running());
        }
    }

    void EnterDoesNotCancelButClosingWhileWaitingForTheRadioEndsSilently() {
        Bench bench(dir_, TransferOperation::Upload, {QStringLiteral("--silent")});
        When([&] { return !bench.gauge.PromptLine()->text().isEmpty(); },
             [&] {
                 QTest::keyClick(&bench.gauge, Qt::Key_Return);
                 QVERIFY(bench.gauge.Running() && bench.gauge.CancelButton()->isEnabled());
                 bench.gauge.close();  // the caption bar's close asks for the cancel
             });
        const GaugeRun run = Run(bench.gauge);
        QCOMPARE(std::tuple(run.result, run.last), std::tuple(int(QDialog::Rejected), -1));
        QVERIFY(bench.messages.shown.empty());
        QVERIFY(!bench.gauge.Running());
    }

    void EscapeDuringTheAcknowledgementWaitTellsTheError() {
        Bench bench(dir_, TransferOperation::Download, {QStringLiteral("--ignore-block"), QStringLiteral("3")});
        // Three blocks written: the radio leaves the fourth unanswered, and Esc comes during the wait.
        const GaugeRun run = Run(bench.gauge, [&](int blocks) {
            if (blocks == 35) {
                QTimer::singleShot(300, &bench.gauge, [&] { QTest::keyClick(&bench.gauge, Qt::Key_Escape); });
            }
        });
        QCOMPARE(std::tuple(run.result, run.last), std::tuple(int(QDialog::Rejected), 35));
        QCOMPARE(bench.messages.Texts(), Texts{"Communication Error"});
        QCOMPARE(bench.messages.shown[0].icon, MessageIcon::Stop);
        QVERIFY(!bench.gauge.CancelButton()->isEnabled());
    }

    void PortThatCannotBeOpenedClosesTheWindowByItself() {
        Bench bench(dir_, TransferOperation::Upload, {}, nullptr, false, QStringLiteral("/dev/tarn-no-such-port"));
        QElapsedTimer clock;
        clock.start();
        const GaugeRun run = Run(bench.gauge);
        QCOMPARE(std::tuple(run.result, run.caption),
                 std::tuple(int(QDialog::Accepted), QStringLiteral("Access Gauge")));
        QVERIFY(clock.elapsed() < 5000 && bench.gauge.Gauge() == nullptr);
        QCOMPARE(bench.messages.shown.size(), std::size_t(1));  // the reason, as the link tests check it
    }

    void QuestionIsShownHereWhileTheJobWaits() {
        GuiPrompter boxes;
        Bench bench(dir_, TransferOperation::Upload, {}, &boxes, true);
        QString asked;
        bool jobWaited = false;
        When([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
             [&] {
                 auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                 asked = box->text();
                 jobWaited = box->icon() == QMessageBox::Question && bench.gauge.Running() &&
                             bench.gauge.Gauge()->value() == 32;
                 box->button(QMessageBox::No)->click();
             });
        const GaugeRun run = Run(bench.gauge);
        QCOMPARE(asked, QStringLiteral("Overwrite original data"));
        QVERIFY(jobWaited);
        // No keeps the old image; the job still ended by itself.
        QCOMPARE(run.result, int(QDialog::Accepted));
        QVERIFY(!bench.gauge.Job().ImageReplaced());
    }

private:
    QTemporaryDir dir_;
    tarn::test::RecordingPrompter prompter_;
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::AccessGaugeTest)
#include "AccessGaugeTest.moc"
