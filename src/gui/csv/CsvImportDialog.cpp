#include "csv/CsvImportDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarn::gui {

CsvImportDialog::CsvImportDialog(const DocumentContent& content, std::string csv, const QString& fileName,
                                 QWidget* parent)
    : QDialog(parent), content_(content), csv_(std::move(csv)) {
    setWindowTitle(QStringLiteral("Import Channels (CSV)"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Channels from %1:").arg(fileName), this));
    add_ = new QRadioButton(QStringLiteral("&Add: fill the empty MR, then BOOK channels"), this);
    replace_ = new QRadioButton(QStringLiteral("&Replace: clear the MR and BOOK channels first"), this);
    byLocation_ = new QRadioButton(QStringLiteral("By &location: each row replaces the channel its Location names"), this);
    add_->setChecked(true);
    for (QRadioButton* button : {add_, replace_, byLocation_}) {
        layout->addWidget(button);
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (!on) return;
            mode_ = replace_->isChecked() ? CsvImportMode::Replace
                                          : (byLocation_->isChecked() ? CsvImportMode::ByLocation : CsvImportMode::Add);
            Preview();
        });
    }
    // The summary stays in sight however long the list of adapted and skipped rows is.
    summary_ = new QLabel(this);
    summary_->setStyleSheet(QStringLiteral("font-weight: bold"));
    layout->addWidget(summary_);
    report_ = new QPlainTextEdit(this);
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    report_->setMinimumSize(720, 320);
    layout->addWidget(report_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    import_ = buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Preview();
}

void CsvImportDialog::SetMode(CsvImportMode mode) {
    (mode == CsvImportMode::Replace ? replace_ : (mode == CsvImportMode::ByLocation ? byLocation_ : add_))
        ->setChecked(true);
}

QString CsvImportDialog::ReportText() const { return report_->toPlainText(); }
bool CsvImportDialog::CanImport() const { return import_->isEnabled(); }

void CsvImportDialog::Preview() {
    preview_ = content_;
    const CsvImportReport report = ImportChannelsCsv(preview_.Channels, preview_.Settings, csv_, mode_);
    report_->setPlainText(QString::fromStdString(CsvImportReportText(report)));
    summary_->setText(QString::fromStdString(report.listRead ? report.summary : report.failure));
    import_->setEnabled(CsvImportAccepted(report, false));
}

}  // namespace tarn::gui
