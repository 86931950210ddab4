#include "settings/PtSheetS.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "settings/SettingsPage.h"

namespace tarn::gui {

CPtSheetS::CPtSheetS(const QString& caption, std::function<void()> ok, QWidget* parent, int firstPage)
    : CPromptDialog(0, parent),
      ok_(std::move(ok)),
      tabs_(new QTabWidget(Body())),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Body())),
      firstPage_(firstPage) {
    setWindowTitle(caption);
    connect(buttons_, &QDialogButtonBox::accepted, this, &CPtSheetS::OnOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(Body());
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
}

void CPtSheetS::AddPage(SettingsPage* page) {
    const int index = tabs_->addTab(page, page->Caption());
    if (index == firstPage_) tabs_->setCurrentIndex(index);
}

void CPtSheetS::OnOk() {
    ok_();
    accept();
}

}  // namespace tarn::gui
