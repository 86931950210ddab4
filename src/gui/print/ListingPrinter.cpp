#include "print/ListingPrinter.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <algorithm>

#include "app/AppContext.h"
#include "print/ListingJob.h"

namespace tarn::gui {
namespace {

// The size the listing is printed in when the paper has room for it; smaller when it has not.
constexpr double kLargestPointSize = 10.0;
// Room kept for the rounding of the drawn font's metrics.
constexpr double kFitMargin = 0.98;

class PainterSurface : public ListingSurface {
public:
    explicit PainterSurface(QPainter& painter) : painter_(painter), ascent_(painter.fontMetrics().ascent()) {}
    void DrawLine(int x, int y, const std::string& text) override {
        painter_.drawText(x, y + ascent_, QString::fromStdString(text));
    }

private:
    QPainter& painter_;
    int ascent_;
};

// A fixed-pitch font, so the columns line up, as large as the widest line and the longest page allow.
QFont ListingFont(QPrinter& printer, const ListingExtent& extent) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kLargestPointSize);
    const QFontMetricsF metrics(font, &printer);
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    double scale = 1.0 / kFitMargin;
    if (extent.columns > 0) scale = std::min(scale, area.width() / (extent.columns * metrics.averageCharWidth()));
    if (extent.lines > 0) scale = std::min(scale, area.height() / (extent.lines * metrics.lineSpacing()));
    font.setPointSizeF(kLargestPointSize * scale * kFitMargin);
    return font;
}

QString OutputText(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
}

}  // namespace

QString ShownPrinterName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::NativeFormat) return printer.printerName();
    if (printer.outputFileName().isEmpty()) return {};
    return QStringLiteral("PDF: ") + QFileInfo(printer.outputFileName()).fileName();
}

ListingPrinter::ListingPrinter(AppContext& app, QWidget* dialogParent)
    : QObject(dialogParent), app_(app), dialogParent_(dialogParent) {
    if (!app.printerName.empty()) printer_.setPrinterName(QString::fromStdString(app.printerName));
}

void ListingPrinter::Print() {
    const ListingJob job(app_.document.Content(), app_.document.CurrentFilePath());
    QPrintDialog dialog(&printer_, dialogParent_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, static_cast<int>(job.PageCount()));
    if (dialog.exec() != QDialog::Accepted) return;
    PrintListing(printer_, false);
}

void ListingPrinter::Preview() {
    QPrintPreviewDialog dialog(&printer_, dialogParent_);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        PrintListing(*printer, true);
    });
    dialog.exec();
}

bool ListingPrinter::Setup() {
    QPrintDialog dialog(&printer_, dialogParent_);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    // The dialog only chooses: nothing is printed when it closes.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    }
    if (dialog.exec() != QDialog::Accepted) return false;
    TakePrinterName(printer_);
    return true;
}

bool ListingPrinter::PrintListing(QPrinter& printer, bool allPages) {
    // Begin printing: the job takes its copies of the settings and counts its pages.
    ListingJob job(app_.document.Content(), app_.document.CurrentFilePath());
    std::uint32_t first = 1;
    std::uint32_t last = job.PageCount();
    if (!allPages && printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = static_cast<std::uint32_t>(printer.fromPage());
        if (printer.toPage() > 0) last = std::min(last, static_cast<std::uint32_t>(printer.toPage()));
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        app_.prompter.Tell("The listing could not be printed on " + OutputText(printer).toStdString() + ".",
                           MessageIcon::Stop);
        return false;
    }
    painter.setFont(ListingFont(printer, job.Extent()));
    const QFontMetrics metrics = painter.fontMetrics();
    job.SetTextMetrics({metrics.lineSpacing(), metrics.averageCharWidth()});
    PainterSurface surface(painter);
    for (std::uint32_t page = first; page <= last; ++page) {
        if (page > first) printer.newPage();
        job.PrintPage(surface, page);
    }
    const bool ended = painter.end();
    // End printing: the printer used is the program's printer from now on.
    TakePrinterName(printer);
    if (!ended) {
        app_.prompter.Tell("The listing could not be completed on " + OutputText(printer).toStdString() + ".",
                           MessageIcon::Stop);
    }
    return ended;
}

void ListingPrinter::TakePrinterName(const QPrinter& printer) {
    app_.printerName = ShownPrinterName(printer).toStdString();
    emit PrinterChanged();
}

}  // namespace tarn::gui
