#include "settings/PromptStatusBar.h"

#include <QApplication>
#include <QLabel>
#include <algorithm>

#include "settings/ControlId.h"
#include "settings/Latin1.h"
#include "ui/StringTable.h"

namespace tarn::gui {

PromptStatusBar::PromptStatusBar(QWidget* window)
    : QStatusBar(window), window_(window), first_(new QLabel(this)), hint_(new QLabel(this)) {
    setSizeGripEnabled(false);
    setStyleSheet(QStringLiteral("QStatusBar { border-top: 1px solid palette(mid); }"));
    // The pane takes the width FitPrompts gives it; a prompt never widens the editor as the focus moves.
    first_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    hint_->setFixedWidth(hint_->fontMetrics().horizontalAdvance(Latin1(LoadString(kStrKeyOperation))) +
                         hint_->fontMetrics().averageCharWidth() * 2);
    addWidget(first_, 1);
    addPermanentWidget(hint_);
    ShowPrompt(kStrBlankPrompt);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (const int id = ControlIdOf(now, window_)) ShowPrompt(id);
    });
}

int PromptStatusBar::ShowPrompt(int id) {
    const int before = static_cast<int>(line_.Show(static_cast<std::uint32_t>(id)));
    first_->setText(Latin1(line_.Panes().firstLine));
    hint_->setText(Latin1(line_.Panes().hint));
    hint_->repaint();
    return before;
}

void PromptStatusBar::FitPrompts() {
    int widest = 0;
    for (const QWidget* control : window_->findChildren<QWidget*>()) {
        const int id = control->property(kControlIdProperty).toInt();
        if (id == 0) continue;
        const PromptPanes panes = SplitPromptText(LoadString(id));
        widest = std::max(widest, first_->fontMetrics().horizontalAdvance(Latin1(panes.firstLine)));
    }
    first_->setMinimumWidth(widest + first_->fontMetrics().averageCharWidth());
}

QString PromptStatusBar::FirstLine() const { return first_->text(); }
QString PromptStatusBar::Hint() const { return hint_->text(); }

}  // namespace tarn::gui
