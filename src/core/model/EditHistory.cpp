#include "model/EditHistory.h"

namespace tarn {
namespace {

const std::string kNoLabel;

}  // namespace

void EditHistory::Record(DocumentContent before, std::string label) {
    undo_.push_back({std::move(before), std::move(label), state_});
    if (undo_.size() > kEditHistoryDepth) undo_.pop_front();
    redo_.clear();
    state_ = ++lastState_;
}

const std::string& EditHistory::UndoLabel() const { return undo_.empty() ? kNoLabel : undo_.back().label; }
const std::string& EditHistory::RedoLabel() const { return redo_.empty() ? kNoLabel : redo_.back().label; }

bool EditHistory::Undo(DocumentContent& content) {
    if (undo_.empty()) return false;
    Move(undo_, redo_, content);
    return true;
}

bool EditHistory::Redo(DocumentContent& content) {
    if (redo_.empty()) return false;
    Move(redo_, undo_, content);
    return true;
}

void EditHistory::Move(std::deque<Step>& from, std::deque<Step>& to, DocumentContent& content) {
    Step step = std::move(from.back());
    from.pop_back();
    ChannelTable& restored = step.content.Channels;
    restored.GroupBase = content.Channels.GroupBase;
    restored.CurrentIndex = content.Channels.CurrentIndex;
    restored.CurrentGroup = content.Channels.CurrentGroup;
    to.push_back({std::move(content), std::move(step.label), state_});
    content = std::move(step.content);
    state_ = step.state;
}

void EditHistory::Clear() {
    undo_.clear();
    redo_.clear();
    savedState_ = state_;
}

}  // namespace tarn
