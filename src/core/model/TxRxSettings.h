#pragma once
// The Common page "TX/RX". Each field holds the position in its control's list.
#include <cstdint>

#include "model/CloneImage.h"

namespace tarn {

struct TxRxSettings {
    std::uint32_t SqlLevel = 6;         // "SQL Level": byte 117 bits 3..0
    std::uint32_t FmRadioSqlLevel = 3;  // "FM Radio SQL Level": byte 117 bits 7..4
    std::uint32_t RxSave = 1;           // "RX Save": byte 115 bits 2..0
    std::uint32_t ScanStopResume = 1;   // "Scan Stop Resume": byte 114 bit 7
    std::uint32_t DwPri = 0;            // "DW/PRI": byte 114 bit 6
    std::uint32_t PriTime = 3;          // "PRI Time": byte 116 bits 2..0
    std::uint32_t Tot = 0;              // "T.O.T": byte 139 bits 1..0
    std::uint32_t ExtraValue = 1;       // byte 120 bit 3: no control shows it; carried through
    std::uint32_t Bclo = 0;             // "BCLO": byte 115 bit 5

    void SetDefaults();
    void Decode(const CloneImage& image);
    void Encode(CloneImage& image) const;
};

}  // namespace tarn
