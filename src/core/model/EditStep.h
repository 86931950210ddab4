#pragma once
// One change to the document as one undoable step. Made before the change, it keeps the content; when it
// ends, the change is recorded under its label, unless the content came out the same (an edit ended
// without a change, a dialog's OK with nothing changed).
#include <string>

#include "model/DocumentContent.h"

namespace tarn {

class Document;

class EditStep {
public:
    EditStep(Document& document, std::string label);
    ~EditStep();
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    Document& document_;
    std::string label_;
    DocumentContent before_;
};

// Whether the two contents would be saved as the same bytes. An image only brought up to date with its
// model, or a model decoded again from its own image, is no change.
bool SameContent(const DocumentContent& a, const DocumentContent& b);

}  // namespace tarn
