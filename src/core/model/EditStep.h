#pragma once
// One change to the document as one undoable step. Made before the change, it keeps the content; when it
// ends, the change is recorded under its label, unless the content came out the same (an edit ended
// without a change, a dialog's OK with nothing changed). Steps nest: a step made while another step of the
// same document is open does nothing, so an edit built from other edits is the one step of its own.
#include <optional>
#include <string>

#include "model/DocumentContent.h"

namespace tarn {

class Document;

// Who sets the document's Modified flag. The single-cell edits and the dialogs set it themselves (a cell
// edit marks the document modified even when it changed nothing); for an edit of many channels the step
// sets it when the content changed and leaves it as it was otherwise.
enum class ModifiedFlag { SetByEdit, FollowsContent };

class EditStep {
public:
    EditStep(Document& document, std::string label, ModifiedFlag modifiedFlag = ModifiedFlag::SetByEdit);
    ~EditStep();
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    Document& document_;
    std::string label_;
    ModifiedFlag modifiedFlag_;
    bool wasModified_;
    std::optional<DocumentContent> before_;  // held by the outermost step only
};

// Whether the two contents would be saved as the same bytes. An image only brought up to date with its
// model, or a model decoded again from its own image, is no change.
bool SameContent(const DocumentContent& a, const DocumentContent& b);

}  // namespace tarn
