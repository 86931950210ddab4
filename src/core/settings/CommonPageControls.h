#pragma once
// The Common sheet's pages and their controls, each described once: label, items, and where its value lives
// in the page's settings object. The sheet editor, and through it the dialogs and the command line, work
// from this table.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/CloneImage.h"
#include "model/DisplaySoundSettings.h"
#include "model/KeySetSettings.h"
#include "model/MiscSetupSettings.h"
#include "model/TxRxSettings.h"
#include "settings/MiscSetupNumbers.h"

namespace tarn {

// The pages in the order the sheet shows them.
enum class CommonPage { DisplaySound, TxRx, KeySet, MiscSetup };
inline constexpr std::array<CommonPage, 4> kCommonPages{CommonPage::DisplaySound, CommonPage::TxRx,
                                                        CommonPage::KeySet, CommonPage::MiscSetup};

// The tab's caption ("Display && Sound": the doubled "&" shows as one) and the page's template id (its help
// context is 0x20000 + it).
std::string_view CommonPageCaption(CommonPage page);
int CommonPageTemplate(CommonPage page);

// Controls with rules of their own.
inline constexpr int kComBclo = 4728;       // hidden with its label (4547) while BRS Mode TX is Off
inline constexpr int kComBcloLabel = 4547;
inline constexpr int kComWeatherAlertFunction = 4762;  // disabled while Weather Band is Disable
inline constexpr int kComTempCheckData = 4861;  // the Fahrenheit text (4598) stands beside it
inline constexpr int kComFahrenheitText = 4598;
inline constexpr int kComTemperatureOffset = 4862;

// The four pages' settings objects of one opening of the sheet.
struct CommonPageRecords {
    DisplaySoundSettings DisplaySound;
    TxRxSettings TxRx;
    KeySetSettings KeySet;
    MiscSetupSettings MiscSetup;

    void Decode(CommonPage page, const CloneImage& image);
    void Encode(CommonPage page, CloneImage& image) const;
};

struct CommonListControl {
    CommonPage page;
    int controlId;
    std::string_view label;
    std::span<const std::string_view> items;  // item i stands for value i
    // The value the list selects and stores; null for "[MON] Key", which has no place in the image.
    std::uint32_t* (*value)(CommonPageRecords& records);
    bool hidden;  // created invisible and disabled: the value passes through unchanged
};

struct CommonNumberControl {
    int controlId;
    std::string_view label;    // the setting's name ("TEMP Check Data", "Emg. LED COLOR Red")
    std::string_view caption;  // LED edits: their row's caption with its mnemonic, else empty
    std::string_view column;   // LED edits: "Red", "Green" or "Blue", else empty
    NumberRule rule;
    std::uint32_t MiscSetupSettings::*field;  // null for Temperature Offset, a double
};

// Every list of the four pages, page by page in control order.
std::span<const CommonListControl> CommonListControls();
// The seventeen number edits of Misc Setup in control order.
std::span<const CommonNumberControl> CommonNumberControls();

}  // namespace tarn
