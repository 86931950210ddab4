// The progress window against the virtual radio: caption, prompt line and gauge ranges, the event loop
// running throughout, the job's questions shown by this thread, and the ways a job ends — by itself,
// cancelled while waiting for the radio or for an acknowledgement, or on a port that cannot be opened.
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

// What one run of the window showed.
struct GaugeRun {
    int result = -1;
    QString caption, prompt;
    int maximum = -1;
    std::vector<int> positions;
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
        run.positions.push_back(blocks);
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

std::vector<int> OneUpTo(int last) {
    std::vector<int> v(last);
    for (int i = 0; i < last; ++i) v[i] = i + 1;
    return v;
}

TransferRequest Request(TransferOperation operation, const QString& port, bool modified = false) {
    TransferRequest request;
    std::tie(request.operation, request.portName, request.modified) = std::tuple(operation, port.toStdString(), modified);
    return request;
}

// A progress window for `operation` on a virtual radio that holds "radio.trn" and plays `faults`.
struct Bench {
    Bench(const QTemporaryDir& dir, TransferOperation operation, QStringList faults = {}, CloneImage start = {},
          Prompter* prompter = nullptr, bool modified = false)
        : sim(dir.filePath(QStringLiteral("radio.trn")), faults, dir.filePath(QStringLiteral("written.bin"))),
          image(start),
          gauge(Request(operation, sim.DevicePath(), modified), port, image, prompter ? *prompter : messages) {}
    // Waits for the prompt line, then acts.
    void WhenPrompted(std::function<void()> act) {
        When([this] { return !gauge.PromptLine()->text().isEmpty(); }, std::move(act));
    }

    test::SimRadio sim;
    ClonePort port;
    CloneImage image;
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
        radio_ = test::RadioContent("TOWER").Image;
        radio_[4] = 0x00;  // the radio's own model id
        radio_[5] = 0x02;
    }

    void UploadRunsWithTheEventLoopGoing() {
        Bench bench(dir_, TransferOperation::Upload, {QStringLiteral("--baud-timing")});
        QVERIFY(!bench.sim.DevicePath().isEmpty());
        const GaugeRun run = Run(bench.gauge);
        QCOMPARE(run.result, int(QDialog::Accepted));
        QCOMPARE(run.caption, QStringLiteral("Upload Function"));
        QCOMPARE(run.prompt, QStringLiteral("Switch radio OFF, then back ON to start uploading"));
        QCOMPARE(run.maximum, 32);
        QCOMPARE(run.positions, OneUpTo(32));
        // At 9600 baud the image takes seconds; the window's own loop kept turning all the while.
        QVERIFY2(run.ticksDuringTransfer >= 100, qPrintable(QString::number(run.ticksDuringTransfer)));
        QCOMPARE(bench.messages.Texts(), std::vector<std::string>{"Upload is completed"});
        QVERIFY(bench.gauge.Job().ImageReplaced() && !bench.gauge.Running());
        QVERIFY(bench.image == radio_);
    }

    void DownloadGaugeRunsTo64() {
        const CloneImage mine = test::RadioContent("MINE").Image;
        Bench bench(dir_, TransferOperation::Download, {}, mine);
        const GaugeRun run = Run(bench.gauge);
        QCOMPARE(run.result, int(QDialog::Accepted));
        QCOMPARE(run.caption, QStringLiteral("Download Function"));
        QCOMPARE(run.maximum, 64);
        QCOMPARE(run.positions, OneUpTo(64));
        QCOMPARE(bench.messages.Texts(), std::vector<std::string>{"Download is completed"});
        QVERIFY(bench.gauge.Job().Succeeded());
        // The program's own image keeps everything but the radio's firmware bytes.
        QVERIFY(std::equal(bench.image.begin() + 2, bench.image.end(), mine.begin() + 2));
    }

    void EnterDoesNotCancelButClosingWhileWaitingForTheRadioEndsSilently() {
        Bench bench(dir_, TransferOperation::Upload, {QStringLiteral("--silent")});
        bench.WhenPrompted([&] {
            QTest::keyClick(&bench.gauge, Qt::Key_Return);
            QVERIFY(bench.gauge.Running() && bench.gauge.CancelButton()->isEnabled());
            bench.gauge.close();  // the caption bar's close asks for the cancel
        });
        const GaugeRun run = Run(bench.gauge);
        QCOMPARE(run.result, int(QDialog::Rejected));
        QVERIFY(run.positions.empty());
        QVERIFY(bench.messages.shown.empty());
        QVERIFY(!bench.gauge.Running());
        QVERIFY(bench.image == CloneImage{});
    }

    void EscapeDuringTheAcknowledgementWaitTellsTheError() {
        Bench bench(dir_, TransferOperation::Download, {QStringLiteral("--ignore-block"), QStringLiteral("3")},
                    test::RadioContent("MINE").Image);
        // Three blocks written: the radio leaves the fourth unanswered, and Esc comes during the wait.
        const GaugeRun run = Run(bench.gauge, [&](int blocks) {
            if (blocks == 35) {
                QTimer::singleShot(300, &bench.gauge, [&] { QTest::keyClick(&bench.gauge, Qt::Key_Escape); });
            }
        });
        QCOMPARE(run.result, int(QDialog::Rejected));
        QCOMPARE(run.positions.back(), 35);
        QCOMPARE(bench.messages.Texts(), std::vector<std::string>{"Communication Error"});
        QCOMPARE(bench.messages.shown[0].icon, MessageIcon::Stop);
        QVERIFY(!bench.gauge.CancelButton()->isEnabled());
    }

    void PortThatCannotBeOpenedClosesTheWindowByItself() {
        ClonePort port;
        CloneImage image{};
        tarn::test::RecordingPrompter messages;
        CAccessGauge gauge(Request(TransferOperation::Upload, QStringLiteral("/dev/tarn-no-such-port")), port, image,
                           messages);
        QElapsedTimer clock;
        clock.start();
        const GaugeRun run = Run(gauge);
        QCOMPARE(run.result, int(QDialog::Accepted));
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(messages.shown[0].text.rfind("Problem with COM port", 0) == 0);
        QVERIFY(gauge.Gauge() == nullptr);
        QCOMPARE(run.caption, QStringLiteral("Access Gauge"));
        QVERIFY(image == CloneImage{});
    }

    void QuestionIsShownHereWhileTheJobWaits() {
        GuiPrompter boxes;
        Bench bench(dir_, TransferOperation::Upload, {}, {}, &boxes, true);
        QString asked;
        bool jobWaited = false;
        When([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
             [&] {
                 auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                 asked = box->text();
                 jobWaited = bench.gauge.Running() && bench.gauge.Gauge()->value() == 32;
                 box->button(QMessageBox::No)->click();
             });
        const GaugeRun run = Run(bench.gauge);
        QCOMPARE(asked, QStringLiteral("Overwrite original data"));
        QVERIFY(jobWaited);
        // No keeps the old image, without "Upload is completed"; the job still ended by itself.
        QCOMPARE(run.result, int(QDialog::Accepted));
        QVERIFY(!bench.gauge.Job().ImageReplaced());
        QVERIFY(bench.image == CloneImage{});
    }

private:
    QTemporaryDir dir_;
    tarn::test::RecordingPrompter prompter_;
    CloneImage radio_{};
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::AccessGaugeTest)
#include "AccessGaugeTest.moc"
