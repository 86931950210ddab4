#include "app/GuiPrompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "app/AppStrings.h"
#include "app/StringText.h"

namespace tarn::gui {
namespace {

QMessageBox::Icon ToIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop: return QMessageBox::Critical;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

Answer Run(QWidget* parent, const std::string& text, MessageIcon icon, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton escape) {
    QMessageBox box(ToIcon(icon), ProgramTitle(), ToDisplayText(text), buttons, parent);
    box.setEscapeButton(escape);
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Ok: return Answer::Ok;
        default: return Answer::Cancel;
    }
}

QFileDialog* MakeDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setAcceptMode(mode);
    dialog->setNameFilter(ToNameFilter(request.filter));
    dialog->setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog->setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
    return dialog;
}

}  // namespace

QString ProgramTitle() { return StringText(app_strings::kProgramTitle); }

QString ToDisplayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

QString ToNameFilter(const std::string& filter) {
    const auto bar = filter.find('|');
    return QString::fromStdString(filter.substr(0, bar));
}

void GuiPrompter::Tell(const std::string& text, MessageIcon icon) {
    Run(parent_, text, icon, QMessageBox::Ok, QMessageBox::Ok);
}

Answer GuiPrompter::AskYesNo(const std::string& text, MessageIcon icon) {
    return Run(parent_, text, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

Answer GuiPrompter::AskYesNoCancel(const std::string& text, MessageIcon icon) {
    return Run(parent_, text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

Answer GuiPrompter::AskOkCancel(const std::string& text, MessageIcon icon) {
    return Run(parent_, text, icon, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
}

Answer GuiPrompter::ConfirmWrite(const std::string& summary) {
    constexpr int kShownLines = 30;
    const QString text = ToDisplayText(summary);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Question, ProgramTitle(), text, {}, parent_);
    if (lines.size() > kShownLines) {
        // A long list scrolls in the details instead of growing the box past the screen.
        box.setText(lines.mid(0, kShownLines).join(QLatin1Char('\n')) + QStringLiteral("\n... (Show Details lists all)"));
        box.setDetailedText(text);
    }
    QPushButton* write = box.addButton(QStringLiteral("&Write"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == write ? Answer::Ok : Answer::Cancel;
}

std::optional<std::string> GuiPrompter::ChooseFileToOpen(const FileDialogRequest& request) {
    std::unique_ptr<QFileDialog> dialog(MakeDialog(parent_, request, QFileDialog::AcceptOpen));
    dialog->setWindowTitle(QStringLiteral("Open"));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
    return dialog->selectedFiles().first().toStdString();
}

std::optional<std::string> GuiPrompter::ChooseFileToSave(const FileDialogRequest& request) {
    std::unique_ptr<QFileDialog> dialog(MakeDialog(parent_, request, QFileDialog::AcceptSave));
    dialog->setWindowTitle(QStringLiteral("Save As"));
    while (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
        const QString path = dialog->selectedFiles().first();
        if (request.promptCreate && !QFileInfo::exists(path)) {
            const auto answer = QMessageBox::question(
                parent_, ProgramTitle(),
                QStringLiteral("%1 does not exist.\nDo you want to create it?").arg(QFileInfo(path).fileName()));
            if (answer != QMessageBox::Yes) continue;
        }
        return path.toStdString();
    }
    return std::nullopt;
}

}  // namespace tarn::gui
