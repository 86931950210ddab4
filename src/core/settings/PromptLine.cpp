#include "settings/PromptLine.h"

#include "ui/StringTable.h"

namespace tarn {

PromptPanes SplitPromptText(std::string_view text) {
    const std::size_t first = text.find('\n');
    if (first == std::string_view::npos) return {std::string(text), {}};
    const std::string_view rest = text.substr(first + 1);
    return {std::string(text.substr(0, first)), std::string(rest.substr(0, rest.find('\n')))};
}

std::uint32_t PromptLine::Show(std::uint32_t id) {
    if (id == 0) {
        panes_ = {" ", " "};
    } else if (const std::string_view text = LoadString(static_cast<int>(id)); !text.empty()) {
        panes_ = SplitPromptText(text);
    }
    const std::uint32_t before = shownId_;
    shownId_ = id;
    return before;
}

}  // namespace tarn
