// Radio > Upload and Radio > Download of the main window end to end against the virtual radio: how the
// progress window's end reaches the document, its path, the title and the grid. How each end settles the
// document is the core's; here the window producing that end.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "SimRadio.h"
#include "app/CommandIds.h"
#include "link/AccessGauge.h"

namespace tarn::gui {
namespace {

using Texts = std::vector<std::string>;

CAccessGauge* OpenGauge() { return qobject_cast<CAccessGauge*>(QApplication::activeModalWidget()); }

// Records the messages; with `cancelFirst` it presses the progress window's Cancel before answering a
// question: the user cancelled too late.
class Messages : public tarn::test::RecordingPrompter {
public:
    Answer AskYesNo(const std::string& text, MessageIcon icon) override {
        if (CAccessGauge* gauge = OpenGauge(); gauge && cancelFirst) {
            QTest::mouseClick(gauge->CancelButton(), Qt::LeftButton);
            pressed = true;
        }
        return RecordingPrompter::AskYesNo(text, icon);
    }
    bool cancelFirst = false, pressed = false;
};

// A document opened from "mine.trn" (first MR channel "MINE") in a fresh working folder, the main
// window on it, and a radio whose first MR channel is "TOWER", playing `faults`.
struct Bench {
    explicit Bench(QStringList faults = {})
        : sim(RadioFile(), std::move(faults), ws.File(QStringLiteral("written.bin"))),
          app(messages, ws.Path(), ws.File(QStringLiteral("bin")).toStdString()) {
        test::WriteRadioImage(MinePath(), "MINE", messages);
        app.document.OpenDocument(MinePath().toStdString());
        app.settings.portName = sim.DevicePath().toStdString();
        window = std::make_unique<MainWindow>(app);
        window->show();
    }

    QString RadioFile() {
        test::WriteRadioImage(ws.File(QStringLiteral("radio.trn")), "TOWER", ws.prompter);
        return ws.File(QStringLiteral("radio.trn"));
    }
    QString MinePath() const { return ws.File(QStringLiteral("mine.trn")); }
    void Trigger(int command) { window->Action(command)->trigger(); }
    QString GridTag() const {
        QAbstractItemModel* model = window->View()->Grid()->model();
        return model->data(model->index(0, 3)).toString().trimmed();
    }
    QString Path() const { return QString::fromStdString(app.document.CurrentFilePath()); }

    test::Workspace ws;
    Messages messages;
    test::SimRadio sim;
    AppContext app;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

class TransferFlowTest : public QObject {
    Q_OBJECT
private slots:
    void UploadEndsReachTheDocumentAndTheGrid() {
        struct Case {
            const char* name;
            QStringList faults;
            bool modified;
            std::deque<Answer> answers;
            bool cancelFirst;
            Texts messages;
            bool replaced, pathKept;
        };
        const Texts asked{"Overwrite original data"}, both{"Overwrite original data", "Upload is completed"};
        const Case cases[] = {
            {"unmodified", {}, false, {}, false, {"Upload is completed"}, true, false},
            // No keeps the image and the changes, tied to the file they came from.
            {"modified, No", {}, true, {Answer::No}, false, asked, false, true},
            {"modified, Yes", {}, true, {Answer::Yes}, false, both, true, false},
            // Cancel pressed while the question was open, then Yes: the radio's image is in.
            {"Cancel, then Yes", {}, true, {Answer::Yes}, true, both, true, false},
            {"cancelled while waiting", {"--silent"}, false, {}, false, {}, false, true},
            // A failed Upload replaced nothing: the document stays tied to its file.
            {"checksum error", {"--bad-checksum", "3"}, false, {}, false, {"BCC Error"}, false, true},
        };
        for (const Case& c : cases) {
            Bench bench(c.faults);
            bench.app.document.SetModified(c.modified);
            bench.messages.answers = c.answers;
            bench.messages.cancelFirst = c.cancelFirst;
            if (c.faults.contains(QStringLiteral("--silent"))) {
                QTimer::singleShot(500, [] {
                    if (CAccessGauge* gauge = OpenGauge()) gauge->reject();
                });
            }
            bench.Trigger(command::kUpload);
            QVERIFY2(bench.messages.Texts() == c.messages && bench.messages.pressed == c.cancelFirst, c.name);
            QVERIFY2(bench.GridTag() == (c.replaced ? "TOWER" : "MINE"), c.name);
            QVERIFY2(bench.Path() == (c.pathKept ? bench.MinePath() : QStringLiteral("<none>")), c.name);
            QVERIFY2(bench.window->windowTitle().startsWith(bench.Path() + QStringLiteral(" - ")), c.name);
            QVERIFY2(bench.app.document.Modified() == (c.modified && !c.replaced), c.name);
        }
    }

    void DownloadWritesTheEditedModel() {
        Bench bench;
        SetTag(bench.app.document.Channels().Entries[0], "EDITED");
        bench.app.document.SetModified(true);
        qputenv("XDG_DATA_HOME", bench.ws.Path().toUtf8());
        bench.Trigger(command::kDownload);
        qunsetenv("XDG_DATA_HOME");
        // The preview names the edited channel; the radio's image was backed up before the write.
        const Texts texts = bench.messages.Texts();
        QCOMPARE(texts.size(), std::size_t{2});
        QVERIFY2(texts[0].find("MR GROUP 1: ") != std::string::npos && texts[0].find("EDITED") != std::string::npos,
                 texts[0].c_str());
        QCOMPARE(texts[1], std::string("Download is completed"));
        QCOMPARE(QDir(bench.ws.File(QStringLiteral("tarn/backups"))).entryList(QDir::Files).size(), 1);
        QFile written(bench.ws.File(QStringLiteral("written.bin")));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY(bytes.size() >= int(kImageSize));
        DocumentContent radio;
        std::copy_n(bytes.begin(), kImageSize, radio.Image.begin());
        DecodeImage(radio);
        QCOMPARE(QString::fromLatin1(radio.Channels.Entries[0].Tag.data()), QStringLiteral("EDITED  "));
        QCOMPARE(bench.Path(), bench.MinePath());
        QVERIFY(bench.app.document.Modified());
        QCOMPARE(bench.GridTag(), QStringLiteral("EDITED"));
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::TransferFlowTest)
#include "TransferFlowTest.moc"
