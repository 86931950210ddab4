#include "model/EditStep.h"

#include "model/Document.h"
#include "model/ImageCodec.h"

namespace tarn {

EditStep::EditStep(Document& document, std::string label, ModifiedFlag modifiedFlag)
    : document_(document), label_(std::move(label)), modifiedFlag_(modifiedFlag), wasModified_(document.Modified()) {
    if (document_.editStepDepth_++ == 0) before_ = document_.Content();
}

EditStep::~EditStep() {
    --document_.editStepDepth_;
    if (!before_) return;
    const bool changed = !SameContent(*before_, document_.Content());
    if (modifiedFlag_ == ModifiedFlag::FollowsContent) document_.SetModified(changed || wasModified_);
    if (changed) document_.RecordEdit(std::move(*before_), std::move(label_));
}

bool SameContent(const DocumentContent& a, const DocumentContent& b) {
    if (a.Trailer != b.Trailer) return false;
    DocumentContent encodedA = a;
    DocumentContent encodedB = b;
    EncodeImage(encodedA);
    EncodeImage(encodedB);
    return encodedA.Image == encodedB.Image;
}

}  // namespace tarn
