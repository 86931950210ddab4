#include "print/ListingRecords.h"

namespace tarn {

void ListingRecords::Decode(const DocumentContent& content) {
    CloneImage image = content.Image;  // the record codec may write to the image it reads
    for (VfoRecord* record : {&Air, &Exp, &FmRadio, &Home}) record->Decode(image, content.Bands());
    DisplaySound.Decode(image);
    TxRx.Decode(image);
    KeySet.Decode(image);
    MiscSetup.Decode(image);
}

}  // namespace tarn
