#pragma once
// The undo and redo history of a document: the content as it was before each change, with the change's
// label, and which state of the content is the one last saved.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "model/DocumentContent.h"

namespace tarn {

// Steps kept; a step holds one content (about 32 KB), so the history stays near 3 MB at most.
inline constexpr std::size_t kEditHistoryDepth = 100;

class EditHistory {
public:
    // Notes a change from `before` to the content now held. What could be redone is forgotten, and past
    // the depth the oldest step.
    void Record(DocumentContent before, std::string label);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The label of the step Undo (Redo) would take back (bring again); empty when there is none.
    const std::string& UndoLabel() const;
    const std::string& RedoLabel() const;
    std::size_t UndoCount() const { return undo_.size(); }

    // Bring `content` to the state before the last change (after the last undone change). The channel
    // table's position (group shown, current channel) stays where the user is. False when there is none.
    bool Undo(DocumentContent& content);
    bool Redo(DocumentContent& content);

    // The content now held is the one in the file.
    void MarkSaved() { savedState_ = state_; }
    bool AtSavedState() const { return state_ == savedState_; }
    // Forgets every step; the content now held counts as saved.
    void Clear();

private:
    struct Step {
        DocumentContent content;
        std::string label;
        std::uint64_t state;
    };
    // Moves the last step of `from` into `content` and the content it replaces onto `to`.
    void Move(std::deque<Step>& from, std::deque<Step>& to, DocumentContent& content);

    std::deque<Step> undo_;
    std::deque<Step> redo_;
    // Every content state gets its own number, so the saved one is recognised however it is reached.
    std::uint64_t state_ = 0;
    std::uint64_t lastState_ = 0;
    std::uint64_t savedState_ = 0;
};

}  // namespace tarn
