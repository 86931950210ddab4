// The progress window against the virtual radio: caption, prompt line and gauge, the event loop running
// throughout, the job's questions shown by this thread, and the ways the window ends — by itself,
// closed during an acknowledgement wait, or on a port that cannot be opened.
// What the job itself does on the wire is checked without the window.
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <functional>

#include "SimRadio.h"
#include "app/GuiPrompter.h"
#include "link/AccessGauge.h"

namespace tarn::gui {
namespace {

using Texts = std::vector<std::string>;

// Runs the window modally and gives its result; `onMove` sees every gauge position as it arrives.
int Run(CAccessGauge& gauge, const std::function<void(int)>& onMove) {
    if (onMove) QObject::connect(&gauge, &CAccessGauge::GaugeMoved, onMove);
    return gauge.exec();
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

// An Upload's progress window (Download with `download`) on the virtual radio's port (or `port`), the
// radio holding "TOWER" first and playing `faults`. Given a `prompter`, the document is a modified one
// and the messages and questions go there; else to the folder's.
struct Bench {
    explicit Bench(QStringList faults, bool download = false, Prompter* prompter = nullptr, const QString& port = {})
        : sim(test::RadioOptions(faults), test::RadioContent("TOWER").Image),
          gauge({download ? TransferOperation::Download : TransferOperation::Upload,
                 port.isEmpty() ? sim.Port() : port.toStdString(), false, prompter != nullptr},
                this->port, image, prompter ? *prompter : ws.prompter) {}

    test::Workspace ws;
    tarn::test::SimRadio sim;
    ClonePort port;
    CloneImage image = test::RadioContent("MINE").Image;
    CAccessGauge gauge;
};

}  // namespace

class AccessGaugeTest : public QObject {
    Q_OBJECT
private slots:
    // At 9600 baud the Upload takes seconds; the window's own loop must keep turning all the while. The
    // question of a modified document's Upload comes up here, with the job waiting at the end.
    void TransferRunsWithTheEventLoopGoingAndAsksHere() {
        GuiPrompter boxes;
        Bench bench({QStringLiteral("--baud-timing")}, false, &boxes);
        int ticks = 0, ticksAtFirst = -1, last = -1;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(10);
        QString asked;
        When([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
             [&] {
                 auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                 const bool jobWaits = bench.gauge.Running() && bench.gauge.Gauge()->value() == 32;
                 if (box->icon() == QMessageBox::Question && jobWaits) asked = box->text();
                 box->button(QMessageBox::No)->click();
             });
        QCOMPARE(Run(bench.gauge, [&](int blocks) {
                     if (ticksAtFirst < 0) ticksAtFirst = ticks;
                     last = blocks;
                 }),
                 int(QDialog::Accepted));  // No keeps the old image; the job still ended by itself
        QCOMPARE(bench.gauge.windowTitle(), QStringLiteral("Upload Function"));
        QCOMPARE(bench.gauge.PromptLine()->text(), QStringLiteral("Switch radio OFF, then back ON to start uploading"));
        QCOMPARE(std::tuple(bench.gauge.Gauge()->maximum(), last), std::tuple(32, 32));
        QVERIFY2(ticks - ticksAtFirst >= 100, qPrintable(QString::number(ticks - ticksAtFirst)));
        QCOMPARE(asked, QStringLiteral("Overwrite original data"));
        QVERIFY(!bench.gauge.Running() && !bench.gauge.Job().ImageReplaced());
    }

    // Enter does not cancel; closing the window during the acknowledgement wait does, and the job's end
    // is told. Which waits end silently is the job's; the fault tests pin that.
    void EnterDoesNotCancelButClosingTheWindowDoes() {
        Bench bench({QStringLiteral("--ignore-block"), QStringLiteral("3")}, true);
        // Three blocks written: the radio leaves the fourth unanswered, and the keys come during the wait.
        int last = -1;
        QCOMPARE(Run(bench.gauge,
                     [&](int blocks) {
                         last = blocks;
                         if (blocks != 35) return;
                         QTimer::singleShot(300, &bench.gauge, [&] {
                             QTest::keyClick(&bench.gauge, Qt::Key_Return);
                             QVERIFY(bench.gauge.Running() && bench.gauge.CancelButton()->isEnabled());
                             bench.gauge.close();  // the caption bar's close asks for the cancel
                         });
                     }),
                 int(QDialog::Rejected));
        QCOMPARE(last, 35);
        QCOMPARE(bench.ws.prompter.Texts(), Texts{"Communication Error"});
        QCOMPARE(bench.ws.prompter.shown[0].icon, MessageIcon::Stop);
        QVERIFY(!bench.gauge.CancelButton()->isEnabled());
    }

    void PortThatCannotBeOpenedClosesTheWindowByItself() {
        Bench bench({}, false, nullptr, QStringLiteral("/dev/tarn-no-such-port"));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(Run(bench.gauge, {}), int(QDialog::Accepted));
        QVERIFY(clock.elapsed() < 5000 && bench.gauge.Gauge() == nullptr);
        QCOMPARE(bench.gauge.windowTitle(), QStringLiteral("Access Gauge"));
        QCOMPARE(bench.ws.prompter.shown.size(), std::size_t(1));
        QVERIFY(bench.ws.prompter.shown[0].text.find("/dev/tarn-no-such-port does not exist") != std::string::npos);
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::AccessGaugeTest)
#include "AccessGaugeTest.moc"
