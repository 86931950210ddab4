#include "app/UndoMenuTexts.h"

#include "model/EditHistory.h"

namespace tarn {
namespace {

std::string MenuText(std::string text, const std::string& label) {
    if (label.empty()) return text;
    text += ' ';
    for (const char c : label) {
        if (c == '&') text += '&';
        text += c;
    }
    return text;
}

}  // namespace

std::string UndoMenuText(const EditHistory& history) { return MenuText("&Undo", history.UndoLabel()); }
std::string RedoMenuText(const EditHistory& history) { return MenuText("&Redo", history.RedoLabel()); }

}  // namespace tarn
