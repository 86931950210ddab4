// Printing the listing into a PDF file under the offscreen platform, read back with pdftotext.
#include <QProcess>
#include <QTest>

#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "channels/ChannelView.h"
#include "print/ListingPrinter.h"

namespace tarn::gui {
namespace {

// The text of a PDF file (pages separated by form feeds), or an empty text when poppler cannot read it.
QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

void UsePdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

}  // namespace

class ListingPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void PrintsEveryPageIntoAPdfFile() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        app->printerName = "Desk Laser";
        MainWindow window(*app);
        ListingPrinter printer(*app, &window);
        QObject::connect(&printer, &ListingPrinter::PrinterChanged, &window, [&] { window.Refresh(2); });
        const QString path = ws.File(QStringLiteral("listing.pdf"));
        QPrinter pdf(QPrinter::HighResolution);
        UsePdf(pdf, path);

        QVERIFY(printer.PrintListing(pdf, true));
        const QString text = PdfText(path);
        QVERIFY2(!text.isEmpty(), "pdftotext could not read the file");
        QCOMPARE(text.count(QLatin1Char('\f')), 2);  // two pages
                // pdftotext guesses the blanks between words from their positions: compare words only.
        const QString words = text.simplified();
        QVERIFY(words.contains(QStringLiteral("********** Molvaren Corvane Portable Transceiver **********")));
        QVERIFY(words.contains(QStringLiteral("File Name: <none> Air Band Parameters")));
        QVERIFY(words.contains(
            QStringLiteral("1 WX W WX-01 162.55000 ---.----- --.----- ----- ------- HI 25k - X - Simplex")));
        // The job's end takes the printer used: a file has no printer name.
        QCOMPARE(app->printerName, std::string());
        QCOMPARE(window.View()->HeaderValue(4), QString());
    }

    void PrintsOnlyThePagesChosen() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        ListingPrinter printer(*app, nullptr);
        const QString path = ws.File(QStringLiteral("page2.pdf"));
        QPrinter pdf(QPrinter::HighResolution);
        UsePdf(pdf, path);
        pdf.setPrintRange(QPrinter::PageRange);
        pdf.setFromTo(2, 2);

        QVERIFY(printer.PrintListing(pdf, false));
        const QString text = PdfText(path);
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        QVERIFY(text.contains(QStringLiteral("CHANNEL DATA")));
        QVERIFY(!text.contains(QStringLiteral("Molvaren")));
    }

    void AFileThatCannotBeWrittenIsReported() {
        test::Workspace ws;
        auto app = ws.MakeApp();
        ListingPrinter printer(*app, nullptr);
        QPrinter pdf(QPrinter::HighResolution);
        UsePdf(pdf, ws.File(QStringLiteral("missing-folder/listing.pdf")));

        QVERIFY(!printer.PrintListing(pdf, true));
        QCOMPARE(ws.prompter.shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(ws.prompter.shown[0].text).contains(QStringLiteral("missing-folder")));
        QCOMPARE(ws.prompter.shown[0].icon, MessageIcon::Stop);
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::ListingPrinterTest)
#include "ListingPrinterTest.moc"
