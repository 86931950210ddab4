#include "settings/PromptStatusBar.h"

#include <QApplication>
#include <QLabel>

#include "settings/ControlId.h"
#include "settings/Latin1.h"
#include "ui/StringTable.h"

namespace tarn::gui {
PromptStatusBar::PromptStatusBar(QWidget* window)
    : QStatusBar(window), window_(window), first_(new QLabel(this)), hint_(new QLabel(this)) {
    setSizeGripEnabled(false);
    // A long prompt is cut at the pane's end rather than widening the editor.
    first_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    first_->setMinimumWidth(1);
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

QString PromptStatusBar::FirstLine() const { return first_->text(); }
QString PromptStatusBar::Hint() const { return hint_->text(); }

}  // namespace tarn::gui
