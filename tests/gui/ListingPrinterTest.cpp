// Printing the listing into a PDF file under the offscreen platform, read back with pdftotext. The lines
// and pages themselves are the core's.
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>

#include "GuiTestSupport.h"
#include "print/ListingPrinter.h"

namespace tarn::gui {
namespace {

// A new document in a fresh working folder, and a printer writing `name` there as a PDF file.
struct PdfBench {
    explicit PdfBench(const QString& name) {
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(ws.File(name));
    }
    // The PDF file's text (pages separated by form feeds), or an empty text when poppler cannot read it.
    QString Text() const {
        QProcess process;
        const QString path = pdf.outputFileName();
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    test::Workspace ws;
    std::unique_ptr<AppContext> app = ws.MakeApp();
    QPrinter pdf{QPrinter::HighResolution};
};

}  // namespace

class ListingPrinterTest : public QObject {
    Q_OBJECT
private slots:
    // Both pages, then the second alone as the page range asks; the printer used goes into the header panel.
    void PrintsThePagesChosenIntoAPdfFile() {
        PdfBench bench(QStringLiteral("listing.pdf"));
        MainWindow window(*bench.app);
        ListingPrinter printer(*bench.app, &window);
        QObject::connect(&printer, &ListingPrinter::PrinterChanged, &window, [&] { window.Refresh(2); });
        QVERIFY(printer.PrintListing(bench.pdf, true));
        QString text = bench.Text();
        QCOMPARE(text.count(QLatin1Char('\f')), 2);
        // pdftotext guesses the blanks between words, so compare words.
        QVERIFY(text.simplified().contains(QStringLiteral("File Name: <none> Air Band Parameters")));
        QCOMPARE(window.View()->HeaderValue(4), QStringLiteral("PDF: listing.pdf"));

        bench.pdf.setPrintRange(QPrinter::PageRange);
        bench.pdf.setFromTo(2, 2);
        QVERIFY(printer.PrintListing(bench.pdf, false));
        text = bench.Text();
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        QVERIFY(text.contains(QStringLiteral("CHANNEL DATA")) && !text.contains(QStringLiteral("Molvaren")));
    }

    // Print Setup only chooses the printer, so its button must not promise to print.
    void PrintSetupConfirmsWithOk() {
        PdfBench bench(QStringLiteral("setup.pdf"));
        QString button;
        test::WhenDialogShows<QPrintDialog>([&button](QPrintDialog* dialog) {
            auto* box = dialog->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
            button = box->button(QDialogButtonBox::Ok)->text();
            dialog->reject();
        });
        QVERIFY(!ListingPrinter(*bench.app, nullptr).Setup());
        QCOMPARE(button, QStringLiteral("OK"));
    }

    void AFileThatCannotBeWrittenIsReported() {
        PdfBench bench(QStringLiteral("missing-folder/listing.pdf"));
        QVERIFY(!ListingPrinter(*bench.app, nullptr).PrintListing(bench.pdf, true));
        QCOMPARE(bench.ws.prompter.shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(bench.ws.prompter.shown[0].text).contains(QStringLiteral("missing-folder")));
        QCOMPARE(bench.ws.prompter.shown[0].icon, MessageIcon::Stop);
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::ListingPrinterTest)
#include "ListingPrinterTest.moc"
