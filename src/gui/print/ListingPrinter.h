#pragma once
// Printing the listing: File > Print, Print Preview and Print Setup with the system's printers (or a PDF
// file), every page drawn line by line in a fixed-pitch font. The printer and its page settings are kept
// from one command to the next for the whole run of the program.
#include <QObject>
#include <QPrinter>

class QWidget;

namespace tarn::gui {

struct AppContext;

class ListingPrinter : public QObject {
    Q_OBJECT
public:
    ListingPrinter(AppContext& app, QWidget* dialogParent);

    // File > Print: the print dialog with the listing's pages, then the job.
    void Print();
    // File > Print Preview: every page in the preview window, which can also print them.
    void Preview();
    // File > Print Setup: chooses the printer and its page settings; returns whether the user confirmed.
    bool Setup();

    // Prints the listing on `printer`: every page, or the range chosen in its print dialog unless
    // `allPages`. Tells the user and returns false when the printer or the file cannot be written.
    bool PrintListing(QPrinter& printer, bool allPages);

signals:
    // A job has ended; the printer's name has been taken into the program's settings.
    void PrinterChanged();

private:
    void TakePrinterName(const QPrinter& printer);

    AppContext& app_;
    QWidget* dialogParent_;
    QPrinter printer_{QPrinter::HighResolution};
};

// The name shown for `printer`: the printer's name, or "PDF: " and the file's name when the output
// goes to a PDF file (nothing while no file is chosen).
QString ShownPrinterName(const QPrinter& printer);

}  // namespace tarn::gui
