#include "CliPrompter.h"

#include <iostream>

namespace tarn::cli {

std::string ToTerminalText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != '\r') out.push_back(c);
    }
    return out;
}

void CliPrompter::Tell(const std::string& text, MessageIcon icon) {
    if (icon == MessageIcon::Stop) ++errors_;
    std::cerr << "tarn-cli: " << ToTerminalText(text) << '\n';
}

Answer CliPrompter::AskYesNo(const std::string& text, MessageIcon) {
    const Answer a = answer_ == Answer::Yes ? Answer::Yes : Answer::No;
    std::cerr << "tarn-cli: " << ToTerminalText(text) << (a == Answer::Yes ? " [yes]\n" : " [no]\n");
    return a;
}

Answer CliPrompter::AskYesNoCancel(const std::string& text, MessageIcon icon) { return AskYesNo(text, icon); }

Answer CliPrompter::AskOkCancel(const std::string& text, MessageIcon) {
    const Answer a = answer_ == Answer::Yes ? Answer::Ok : Answer::Cancel;
    std::cerr << "tarn-cli: " << ToTerminalText(text) << (a == Answer::Ok ? " [ok]\n" : " [cancel]\n");
    return a;
}

std::optional<std::string> CliPrompter::ChooseFileToOpen(const FileDialogRequest&) { return std::nullopt; }
std::optional<std::string> CliPrompter::ChooseFileToSave(const FileDialogRequest&) { return std::nullopt; }

}  // namespace tarn::cli
