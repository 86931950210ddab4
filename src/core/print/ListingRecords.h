#pragma once
// The settings the listing decodes from the image when a print job begins: the four Common pages and the
// four VFO/HOME records. Every page of the job prints these same copies.
#include "model/DisplaySoundSettings.h"
#include "model/DocumentContent.h"
#include "model/KeySetSettings.h"
#include "model/MiscSetupSettings.h"
#include "model/TxRxSettings.h"
#include "model/VfoRecord.h"

namespace tarn {

struct ListingRecords {
    VfoRecord Air{VfoPage::Air};
    VfoRecord Exp{VfoPage::VhfExpansion};
    VfoRecord FmRadio{VfoPage::FmRadio};
    VfoRecord Home{VfoPage::Home};
    DisplaySoundSettings DisplaySound;
    TxRxSettings TxRx;
    KeySetSettings KeySet;
    MiscSetupSettings MiscSetup;

    // Decodes every copy from the document's image; the image itself is left as it is.
    void Decode(const DocumentContent& content);
};

}  // namespace tarn
