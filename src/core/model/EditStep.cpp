#include "model/EditStep.h"

#include "model/Document.h"
#include "model/ImageCodec.h"

namespace tarn {

EditStep::EditStep(Document& document, std::string label)
    : document_(document), label_(std::move(label)), before_(document.Content()) {}

EditStep::~EditStep() {
    if (!SameContent(before_, document_.Content())) document_.RecordEdit(std::move(before_), std::move(label_));
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
