#pragma once
// The status line of every settings editor: the prompt of the control that has the focus, split into its
// first line (the wide left pane) and its operating hint ("<SELECT>", "<ENTER>", "<SHOW>", the right pane).
// A control's prompt is the string-table text whose id is the control's id.
#include <cstdint>
#include <string>
#include <string_view>

namespace tarn {

// The prompt an editor shows when it opens: a single blank, so the left pane shows " " and the hint is empty.
inline constexpr std::uint32_t kStrBlankPrompt = 121;
// "[ Key Operation ]": the hint pane is as wide as this text.
inline constexpr std::uint32_t kStrKeyOperation = 59143;

struct PromptPanes {
    std::string firstLine;
    std::string hint;
};

// The text before the first line feed, and the text after it up to a second line feed (empty without one).
PromptPanes SplitPromptText(std::string_view text);

class PromptLine {
public:
    // Shows the prompt of string `id`: id 0 blanks both panes (" "); an id without a text leaves both panes
    // as they are. Either way `id` becomes the prompt shown last; returns the one shown before.
    std::uint32_t Show(std::uint32_t id);

    const PromptPanes& Panes() const { return panes_; }
    std::uint32_t ShownId() const { return shownId_; }

private:
    PromptPanes panes_;
    std::uint32_t shownId_ = 0;
};

}  // namespace tarn
