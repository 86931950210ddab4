// Radio > Upload and Radio > Download of the main window end to end against the virtual radio: how the
// progress window's end reaches the document, its path, the title and the grid. How each end settles the
// document is the core's; here the window producing that end.
#include <QDir>
#include <QPushButton>
#include <utility>

#include "SimRadio.h"
#include "link/AccessGauge.h"

namespace tarn::gui {
namespace {

using Texts = std::vector<std::string>;

// Records the messages; with `cancelPending` it presses the progress window's Cancel before answering a
// question: the user cancelled too late.
class Messages : public tarn::test::RecordingPrompter {
public:
    Answer AskYesNo(const std::string& text, MessageIcon icon) override {
        auto* gauge = qobject_cast<CAccessGauge*>(QApplication::activeModalWidget());
        if (gauge && std::exchange(cancelPending, false)) QTest::mouseClick(gauge->CancelButton(), Qt::LeftButton);
        return RecordingPrompter::AskYesNo(text, icon);
    }
    bool cancelPending = false;
};

// The main window on "mine.trn" (first MR channel "MINE") and the radio.
struct Bench : test::RadioBench {
    explicit Bench(Messages& messages) : RadioBench({}, &messages) {
        app.document.OpenDocument(test::WriteRadioImage(ws, "mine.trn", "MINE").toStdString());
        Show();
    }
    QString GridTag() const {
        QAbstractItemModel* model = window->View()->Grid()->model();
        return model->data(model->index(0, 3)).toString().trimmed();
    }
    QString Path() const { return QString::fromStdString(app.document.CurrentFilePath()); }
};

}  // namespace

class TransferFlowTest : public QObject {
    Q_OBJECT
private slots:
    // Cancel pressed while "Overwrite original data" was open, then Yes: the radio's image reaches the
    // grid, tied to no file, as the title shows. The question and how each end settles the document are
    // pinned by the job's and the core's tests.
    void UploadReachesTheDocumentAndTheGrid() {
        Messages messages;
        messages.answers = {Answer::Yes};
        messages.cancelPending = true;
        Bench bench(messages);
        bench.app.document.SetModified(true);
        bench.Trigger(command::kUpload);
        QVERIFY(!messages.cancelPending);
        QCOMPARE(messages.Texts().back(), std::string("Upload is completed"));
        QCOMPARE(bench.GridTag(), QStringLiteral("TOWER"));
        QCOMPARE(bench.Path(), QStringLiteral("<none>"));
        QVERIFY(bench.window->windowTitle().startsWith(QStringLiteral("<none> - ")));
        QVERIFY(!bench.app.document.Modified());
    }

    // The preview names the edited channel; the radio's image is backed up, then the edited one written.
    void DownloadWritesTheEditedModel() {
        Messages messages;
        Bench bench(messages);
        SetTag(bench.app.document.Channels().Entries[0], "EDITED");
        qputenv("XDG_DATA_HOME", bench.ws.Path().toUtf8());
        bench.Trigger(command::kDownload);
        qunsetenv("XDG_DATA_HOME");
        const Texts texts = messages.Texts();
        QCOMPARE(texts.size(), std::size_t{2});
        QVERIFY2(texts[0].find("MR GROUP 1: ") != std::string::npos && texts[0].find("EDITED") != std::string::npos,
                 texts[0].c_str());
        QCOMPARE(texts[1], std::string("Download is completed"));
        QCOMPARE(QDir(bench.ws.File(QStringLiteral("tarn/backups"))).entryList(QDir::Files).size(), 1);
        DocumentContent radio;
        const tarn::test::Bytes written = bench.sim.Saved();
        QVERIFY(written.size() >= kImageSize);
        std::copy_n(written.begin(), kImageSize, radio.Image.begin());
        DecodeImage(radio);
        QCOMPARE(QString::fromLatin1(radio.Channels.Entries[0].Tag.data()), QStringLiteral("EDITED  "));
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::TransferFlowTest)
#include "TransferFlowTest.moc"
