#pragma once
// The import's preview: the way the rows are placed (add, replace, by location) and the report of what
// the import would do, worked out on a copy so that nothing changes before the user confirms.
#include <QDialog>
#include <string>

#include "csv/ChannelCsvImport.h"
#include "model/DocumentContent.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tarn::gui {

class CsvImportDialog : public QDialog {
    Q_OBJECT
public:
    CsvImportDialog(const DocumentContent& content, std::string csv, const QString& fileName, QWidget* parent);

    void SetMode(CsvImportMode mode);
    QString ReportText() const;
    bool CanImport() const;
    // The channel table the import gives in the chosen mode.
    const ChannelTable& ImportedChannels() const { return preview_.Channels; }

private:
    void Preview();

    const DocumentContent& content_;
    std::string csv_;
    CsvImportMode mode_ = CsvImportMode::Add;
    DocumentContent preview_;
    QRadioButton* add_;
    QRadioButton* replace_;
    QRadioButton* byLocation_;
    QLabel* summary_;
    QPlainTextEdit* report_;
    QPushButton* import_;
};

}  // namespace tarn::gui
