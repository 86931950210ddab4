#include "settings/CommonPageControls.h"

namespace tarn {
namespace {

using Texts = std::span<const std::string_view>;
using R = CommonPageRecords;
using M = MiscSetupSettings;

constexpr std::string_view kOffOn[] = {"Off", "On"};
constexpr std::string_view kNumbers[] = {"0", "1", "2",  "3",  "4",  "5",  "6",  "7",
                                         "8", "9", "10", "11", "12", "13", "14", "15"};
constexpr std::string_view kLampMode[] = {"Off", "Continue", "Key on"};
constexpr std::string_view kDimmer[] = {"LV1", "LV2", "LV3", "LV4"};
constexpr std::string_view kSMeterSymbol[] = {"1-----9+", "1--5--9+(Type A)", "1--5--9+(Type B)", ">>>>"};
constexpr std::string_view kDisplayMode[] = {"Off", "Temperature", "Voltage"};
constexpr std::string_view kSpectrumWidth[] = {"30 ch", "60 ch"};
constexpr std::string_view kBeep[] = {"Off", "On", "DTMF"};
constexpr std::string_view kPowerOnBeep[] = {"Off", "Mode1", "Mode2", "Mode3"};
constexpr std::string_view kRxSave[] = {"Off", "ABS", "1 : 1", "1 : 2", "1 : 3", "1 : 4", "1 : 5"};
constexpr std::string_view kScanStopResume[] = {"Busy", "5 Sec"};
constexpr std::string_view kDwPri[] = {"DW", "PRI"};
constexpr std::string_view kPriTime[] = {"500 mS", "1 Sec", "1,5 Sec", "2 Sec", "2.5 Sec", "3 Sec"};
constexpr std::string_view kTot[] = {"Off", "1 Min", "3 Min", "5 Min"};
constexpr std::string_view kPttKeyDialLock[] = {"PTT Lock",        "Key Lock",        "Dial Lock", "PTT + Key Lock",
                                                "PTT + Dial Lock", "Key + Dial Lock", "All Lock"};
constexpr std::string_view kMonKey[] = {"MON", "T.CALL"};
constexpr std::string_view kKey1215[] = {"Emergency", "HOME"};
constexpr std::string_view kUserKey[] = {"None", "ANL", "XFER", "SPEC Start", "Large Font"};
constexpr std::string_view kEmergencyFunction[] = {"LED Flash", "121.5", "Flash + 121.5"};
constexpr std::string_view kWeatherAlertFunction[] = {"Off", "Beep", "LED Flash", "Beep + LED Flash"};
constexpr std::string_view kTemperatureUnit[] = {"F", "C"};
constexpr std::string_view kApo[] = {"Off", "0.5h", "1h", "8h"};

constexpr Texts Numbers(std::size_t count) { return Texts(kNumbers).first(count); }

constexpr auto P1 = CommonPage::DisplaySound;
constexpr auto P2 = CommonPage::TxRx;
constexpr auto P3 = CommonPage::KeySet;
constexpr auto P4 = CommonPage::MiscSetup;

const CommonListControl kLists[] = {
    {P1, 4700, "SCAN Pause LAMP", kOffOn, [](R& r) { return &r.DisplaySound.ScanPauseLamp; }, false},
    {P1, 4701, "Lamp Mode", kLampMode, [](R& r) { return &r.DisplaySound.LampMode; }, false},
    {P1, 4702, "Large Font", kOffOn, [](R& r) { return &r.DisplaySound.LargeFont; }, false},
    {P1, 4703, "LCD Contrast", Numbers(16), [](R& r) { return &r.DisplaySound.LcdContrast; }, false},
    {P1, 4704, "DIMMER", kDimmer, [](R& r) { return &r.DisplaySound.Dimmer; }, false},
    {P1, 4705, "S Meter Symbol", kSMeterSymbol, [](R& r) { return &r.DisplaySound.SMeterSymbol; }, false},
    {P1, 4706, "Display Mode", kDisplayMode, [](R& r) { return &r.DisplaySound.DisplayMode; }, false},
    {P1, 4707, "Spectrum Width", kSpectrumWidth, [](R& r) { return &r.DisplaySound.SpectrumWidth; }, false},
    {P1, 4708, "Beep", kBeep, [](R& r) { return &r.DisplaySound.Beep; }, false},
    {P1, 4709, "Bell", kOffOn, [](R& r) { return &r.DisplaySound.Bell; }, false},
    {P1, 4710, "Power On Beep", kPowerOnBeep, [](R& r) { return &r.DisplaySound.PowerOnBeep; }, false},
    {P1, 4711, "RANGE Beep", kOffOn, [](R& r) { return &r.DisplaySound.RangeBeep; }, true},
    {P2, 4721, "SQL Level", Numbers(9), [](R& r) { return &r.TxRx.SqlLevel; }, false},
    {P2, 4722, "FM Radio SQL Level", Numbers(9), [](R& r) { return &r.TxRx.FmRadioSqlLevel; }, false},
    {P2, 4723, "RX Save", kRxSave, [](R& r) { return &r.TxRx.RxSave; }, false},
    {P2, 4724, "Scan Stop Resume", kScanStopResume, [](R& r) { return &r.TxRx.ScanStopResume; }, false},
    {P2, 4725, "DW/PRI", kDwPri, [](R& r) { return &r.TxRx.DwPri; }, false},
    {P2, 4726, "PRI Time", kPriTime, [](R& r) { return &r.TxRx.PriTime; }, false},
    {P2, 4727, "T.O.T", kTot, [](R& r) { return &r.TxRx.Tot; }, false},
    {P2, kComBclo, "BCLO", kOffOn, [](R& r) { return &r.TxRx.Bclo; }, false},
    {P3, 4741, "Lock Status", kOffOn, [](R& r) { return &r.KeySet.LockStatus; }, false},
    {P3, 4742, "PTT Key Dial Lock", kPttKeyDialLock, [](R& r) { return &r.KeySet.PttKeyDialLock; }, false},
    {P3, 4743, "[MON] Key", kMonKey, nullptr, true},
    {P3, 4744, "[121.5] Key", kKey1215, [](R& r) { return &r.KeySet.Key1215; }, false},
    {P3, 4745, "[USER1] Key", kUserKey, [](R& r) { return &r.KeySet.User1Key; }, false},
    {P3, 4746, "[USER2] Key", kUserKey, [](R& r) { return &r.KeySet.User2Key; }, false},
    {P4, 4761, "Emergency Function", kEmergencyFunction, [](R& r) { return &r.MiscSetup.EmergencyFunction; }, false},
    {P4, kComWeatherAlertFunction, "Weather Alert Function", kWeatherAlertFunction,
     [](R& r) { return &r.MiscSetup.WeatherAlertFunction; }, false},
    {P4, 4763, "Temperature Check Func", kOffOn, [](R& r) { return &r.MiscSetup.TemperatureCheckFunc; }, false},
    {P4, 4764, "Temperature Unit", kTemperatureUnit, [](R& r) { return &r.MiscSetup.TemperatureUnit; }, false},
    {P4, 4765, "APO", kApo, [](R& r) { return &r.MiscSetup.Apo; }, false},
    {P4, 4766, "Internal MIC", kOffOn, [](R& r) { return &r.MiscSetup.InternalMic; }, false},
    {P4, 4767, "DTMF Memory Mode", kOffOn, [](R& r) { return &r.MiscSetup.DtmfMemoryMode; }, true},
};

constexpr auto kLed = NumberRule::LedColor;
const CommonNumberControl kNumbersEdits[] = {
    {kComTempCheckData, "TEMP Check Data", "", "", NumberRule::TempCheckData, &M::TempCheckData},
    {kComTemperatureOffset, "Temperature Offset", "", "", NumberRule::TemperatureOffset, nullptr},
    {4863, "Emg. LED COLOR Red", "E&mg. LED COLOR", "Red", kLed, &M::EmgLedRed},
    {4864, "Emg. LED COLOR Green", "E&mg. LED COLOR", "Green", kLed, &M::EmgLedGreen},
    {4865, "Emg. LED COLOR Blue", "E&mg. LED COLOR", "Blue", kLed, &M::EmgLedBlue},
    {4866, "WX LED COLOR Red", "W&X LED COLOR", "Red", kLed, &M::WxLedRed},
    {4867, "WX LED COLOR Green", "W&X LED COLOR", "Green", kLed, &M::WxLedGreen},
    {4868, "WX LED COLOR Blue", "W&X LED COLOR", "Blue", kLed, &M::WxLedBlue},
    {4869, "Temp LED COLOR Red", "Tem&p LED COLOR", "Red", kLed, &M::TempLedRed},
    {4870, "Temp LED COLOR Green", "Tem&p LED COLOR", "Green", kLed, &M::TempLedGreen},
    {4871, "Temp LED COLOR Blue", "Tem&p LED COLOR", "Blue", kLed, &M::TempLedBlue},
    {4872, "RX LED COLOR Red", "&RX LED COLOR", "Red", kLed, &M::RxLedRed},
    {4873, "RX LED COLOR Green", "&RX LED COLOR", "Green", kLed, &M::RxLedGreen},
    {4874, "RX LED COLOR Blue", "&RX LED COLOR", "Blue", kLed, &M::RxLedBlue},
    {4875, "TX LED COLOR Red", "&TX LED COLOR", "Red", kLed, &M::TxLedRed},
    {4876, "TX LED COLOR Green", "&TX LED COLOR", "Green", kLed, &M::TxLedGreen},
    {4877, "TX LED COLOR Blue", "&TX LED COLOR", "Blue", kLed, &M::TxLedBlue},
};

}  // namespace

std::string_view CommonPageCaption(CommonPage page) {
    switch (page) {
        case CommonPage::DisplaySound: return "Display && Sound";
        case CommonPage::TxRx: return "TX/RX";
        case CommonPage::KeySet: return "Key Set";
        case CommonPage::MiscSetup: break;
    }
    return "Misc Setup";
}

int CommonPageTemplate(CommonPage page) { return 192 + static_cast<int>(page); }

void CommonPageRecords::Decode(CommonPage page, const CloneImage& image) {
    switch (page) {
        case CommonPage::DisplaySound: return DisplaySound.Decode(image);
        case CommonPage::TxRx: return TxRx.Decode(image);
        case CommonPage::KeySet: return KeySet.Decode(image);
        case CommonPage::MiscSetup: return MiscSetup.Decode(image);
    }
}

void CommonPageRecords::Encode(CommonPage page, CloneImage& image) const {
    switch (page) {
        case CommonPage::DisplaySound: return DisplaySound.Encode(image);
        case CommonPage::TxRx: return TxRx.Encode(image);
        case CommonPage::KeySet: return KeySet.Encode(image);
        case CommonPage::MiscSetup: return MiscSetup.Encode(image);
    }
}

std::span<const CommonListControl> CommonListControls() { return kLists; }
std::span<const CommonNumberControl> CommonNumberControls() { return kNumbersEdits; }

}  // namespace tarn
