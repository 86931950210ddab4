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
    if (a.Trailer != b.Trailer || !(a.Settings == b.Settings) || a.Channels.Entries != b.Channels.Entries) return false;
    if (a.Image == b.Image) return true;
    DocumentContent encodedA = a;
    DocumentContent encodedB = b;
    EncodeImage(encodedA);
    EncodeImage(encodedB);
    return encodedA.Image == encodedB.Image;
}

}  // namespace tarn
