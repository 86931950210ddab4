#include "app/VisibleDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "app/HelpContext.h"
#include "app/HelpContextProperty.h"
#include "app/ItemTexts.h"

namespace tarn::gui {

VisibleDialog::VisibleDialog(const std::array<int, kItemCount>& itemVisible, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Visible"));
    setProperty(kHelpContextProperty, DialogHelpContext(169));
    auto* grid = new QGridLayout;
    constexpr int kRows = 6;
    for (int i = 0; i < kItemCount; ++i) {
        boxes_[i] = new QCheckBox(QString::fromLatin1(kVisibleDialogTexts[i].data(),
                                                      static_cast<int>(kVisibleDialogTexts[i].size())),
                                  this);
        boxes_[i]->setChecked(itemVisible[i] == 1);
        grid->addWidget(boxes_[i], i % kRows, i / kRows);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

std::array<int, kItemCount> VisibleDialog::Result() const {
    std::array<int, kItemCount> result{};
    for (int i = 0; i < kItemCount; ++i) result[i] = boxes_[i]->isChecked() ? 1 : 0;
    return result;
}

void VisibleDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter) {
        if (auto* box = qobject_cast<QCheckBox*>(focusWidget())) {
            box->toggle();
            event->accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tarn::gui
