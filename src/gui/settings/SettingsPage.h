#pragma once
// A page of a CPtSheetS: shows its settings when it is first shown; F1 on it gives help at its own
// section of the guide.
#include <QWidget>

namespace tarn::gui {

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    SettingsPage(int templateId, const QString& caption, QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }

protected:
    // Reads the settings and shows them; runs once, when the page is first shown.
    virtual void Initialise() = 0;
    void showEvent(QShowEvent* event) override;

private:
    QString caption_;
    bool shown_ = false;
};

}  // namespace tarn::gui
