#pragma once
// A page of a CPtSheetS: its rows drawn by a SettingsForm from its sheet's editor, which reads the page's
// settings when the page is first shown and takes its choices and typed values; F1 on it gives help at its
// own section of the guide.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "settings/SettingRow.h"

namespace tarn::gui {

class SettingsForm;

// What a page asks of its sheet's editor.
struct PageEditor {
    std::function<void()> showPage;  // reads the page's settings
    std::function<std::vector<SettingRow>()> rows;
    std::function<void(int controlId, std::uint32_t value)> choose;
    std::function<void(int controlId, const std::string& text)> enterText;
};

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    // `layout` gives the page's rows to build its controls from; the values are the editor's.
    SettingsPage(int templateId, const QString& caption, PageEditor editor, const std::vector<SettingRow>& layout,
                 QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }
    SettingsForm* Form() const { return form_; }

protected:
    void showEvent(QShowEvent* event) override;
    void ShowRows();

private:
    QString caption_;
    PageEditor editor_;
    SettingsForm* form_;
    bool shown_ = false;
};

}  // namespace tarn::gui
