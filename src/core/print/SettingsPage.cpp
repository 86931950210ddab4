#include "print/SettingsPage.h"

#include <span>

#include "model/ChannelFieldTexts.h"
#include "model/ValueTables.h"
#include "print/ListingFormat.h"
#include "print/ListingOptionTexts.h"

namespace tarn {
namespace {

using Lines = std::vector<std::string>;
using Texts = std::span<const std::string_view>;

// A setting of the left part: its label at column 14, its value at column 35 in a field of 20.
std::string Setting(std::string_view label, std::string_view value) {
    return std::string(14, ' ') + PadRight(label, 21) + PadRight(value, 20);
}
std::string Setting(std::string_view label, Texts texts, std::uint32_t value) {
    return Setting(label, TableText(texts, value));
}
std::string Setting(std::string_view label, std::uint32_t number) {
    return Setting(label, std::to_string(number));
}
std::string Color(std::string_view label, std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return Setting(label, FormatText("R%03u G%03u B%03u", red, green, blue));
}
std::string Heading(std::string_view title) { return PadRight(std::string(11, ' ') + std::string(title), 55); }
std::string Blank() { return std::string(kSettingsLeftColumns, ' '); }

std::string Item(std::string_view label, std::string_view value) {
    return "   " + PadRight(label, 21) + std::string(value);
}
std::string Frequency(std::string_view label, std::int32_t hz) { return Item(label, FrequencyText(hz) + " "); }

std::string ToneText(const ChannelEntry& entry) {
    switch (entry.ToneType) {
        case kToneNone: return "Off";
        case kToneCtcss: return CtcssText(entry);
        case kToneDcs: return DcsText(entry);
        default: return {};
    }
}

// The right part of one VFO/HOME record: a title and ten items.
void AppendRecord(Lines& right, std::string_view title, const ChannelEntry& entry) {
    const bool split = entry.ShiftMode == kShiftSplit;
    const bool repeater = IsShiftWithOffset(entry.ShiftMode);
    right.emplace_back(title);
    right.push_back(Item("Mode:", ModeText(entry)));
    right.push_back(Frequency("Receive Frequency:", entry.RxFrequency));
    right.push_back(split ? Frequency("Transmit Frequency:", entry.TxFrequency)
                          : Item("Transmit Frequency:", "---.----- "));
    right.push_back(Item("RPT Shift:", ShiftText(entry)));
    right.push_back(repeater ? Frequency("Shift Frequency:", entry.ShiftOffset) : Item("Shift Frequency:", "---.----- "));
    right.push_back(Item("Step:", StepText(entry)));
    right.push_back(Item("TX Power:", PowerText(entry)));
    right.push_back(Item("Clock Shift:", TableText(kListingClockShift, entry.ClockShift)));
    right.push_back(Item("Sub Audio Type:", ToneTypeText(entry)));
    right.push_back(Item("Enc & Dec:", ToneText(entry)));
}

// The FM radio record has no transmit side: a title and three items.
void AppendFmRadioRecord(Lines& right, const ChannelEntry& entry) {
    right.emplace_back("FM Radio Band Parameters");
    right.push_back(Frequency("Receive Frequency:", entry.RxFrequency));
    right.push_back(Item("Step:", StepText(entry)));
    right.push_back(Item("Clock Shift:", TableText(kListingClockShift, entry.ClockShift)));
}

Lines RightParts(const ListingRecords& r) {
    Lines right;
    AppendRecord(right, "Air Band Parameters", r.Air.Entry);
    right.resize(right.size() + 2);
    AppendRecord(right, "Exp Band Parameters", r.Exp.Entry);
    right.resize(right.size() + 2);
    AppendFmRadioRecord(right, r.FmRadio.Entry);
    right.resize(right.size() + 2);
    AppendRecord(right, "HOME Parameters", r.Home.Entry);
    return right;
}

Lines LeftParts(const SettingsPageSource& source) {
    const SystemSettings& s = source.system;
    const DisplaySoundSettings& d = source.records.DisplaySound;
    const TxRxSettings& t = source.records.TxRx;
    const KeySetSettings& k = source.records.KeySet;
    const MiscSetupSettings& m = source.records.MiscSetup;
    return {
        "           File Name:  " + PadRight(source.fileName, 32),
        "           Serial No:  " + PadRight(source.serialNumber, 32),
        Blank(),
        Heading("System Parameters"),
        Setting("VFO Mode:", kListingVfoBand, s.VfoBand),
        Setting("Current Mode:", kListingCurrentMode, s.CurrentMode),
        Setting("HOME&Emg Mode:", kListingHomeEmergencyMode, s.HomeEmergencyMode),
        Setting("Display Mode:", kListingSystemDisplayMode, s.DisplayMode),
        Setting("ANL Status:", kListingOffOn, s.AnlStatus),
        Setting("Dual Watch:", kListingOffOn, s.DualWatch),
        Setting("Weather Band:", kListingDisableEnable, s.WeatherBand),
        Setting("VHF Expansion:", kListingDisableEnable, s.VhfExpansion),
        Setting("Gray Expansion:", kListingDisableEnable, s.GrayExpansion),
        Setting("Exp Band TX:", kListingOffOn, s.ExpBandTx),
        Setting("Gray Band TX:", kListingDisableEnable, s.GrayBandTx),
        Setting("BRS:", kListingOffOn, s.BrsMode),
        Setting("BRS Mode TX:", kListingOffOn, s.BrsModeTx),
        Blank(),
        Blank(),
        Heading("Common Parameters"),
        Setting("Scan Pause Lamp:", kListingOffOn, d.ScanPauseLamp),
        Setting("Lamp Mode:", kListingLampMode, d.LampMode),
        Setting("Large Font:", kListingOffOn, d.LargeFont),
        Setting("LCD Contrast:", d.LcdContrast),
        Setting("DIMMER:", kListingDimmer, d.Dimmer),
        Setting("S Meter Symbol:", kListingSMeterSymbol, d.SMeterSymbol),
        Setting("Display Mode:", kListingDisplayMode, d.DisplayMode),
        Setting("Spectrum Width:", kListingSpectrumWidth, d.SpectrumWidth),
        Setting("Beep:", kListingBeep, d.Beep),
        Setting("Bell:", kListingOffOn, d.Bell),
        Setting("Power On Beep:", kListingPowerOnBeep, d.PowerOnBeep),
        Blank(),
        Setting("SQL Level:", t.SqlLevel),
        Setting("FM Radio SQL Level:", t.FmRadioSqlLevel),
        Setting("RX Save:", kListingRxSave, t.RxSave),
        Setting("Scan Stop Resume:", kListingScanStopResume, t.ScanStopResume),
        Setting("DW/PRI:", kListingDwPri, t.DwPri),
        Setting("PRI Time:", kListingPriTime, t.PriTime),
        Setting("T.O.T:", kListingTot, t.Tot),
        Setting("BCLO:", kListingOffOn, t.Bclo),
        Blank(),
        Setting("Lock Status:", kListingOffOn, k.LockStatus),
        Setting("PTT Key Dial Lock:", kListingPttKeyDialLock, k.PttKeyDialLock),
        Setting("[121.5] Key:", kListingKey1215, k.Key1215),
        Setting("[USER1} Key:", kListingUserKey, k.User1Key),
        Setting("[USER2} Key:", kListingUserKey, k.User2Key),
        Blank(),
        Setting("Emergency Function:", kListingEmergencyFunction, m.EmergencyFunction),
        Color("Emergency LED COLOR:", m.EmgLedRed, m.EmgLedGreen, m.EmgLedBlue),
        Setting("WX Alart Function:", kListingWeatherAlertFunction, m.WeatherAlertFunction),
        Color("WX LED COLOR:", m.WxLedRed, m.WxLedGreen, m.WxLedBlue),
        Setting("Temperature Check:", kListingOffOn, m.TemperatureCheckFunc),
        Setting("TEMP Check Data:", m.TempCheckData),
        Setting("Temperature Unit:", kListingTemperatureUnit, m.TemperatureUnit),
        FormatText("              Temperature Offset:  %-3.1f                ", m.TemperatureOffset),
        Color("TEMP LED COLOR:", m.TempLedRed, m.TempLedGreen, m.TempLedBlue),
        Color("RX LED COLOR:", m.RxLedRed, m.RxLedGreen, m.RxLedBlue),
        Color("TX LED COLOR:", m.TxLedRed, m.TxLedGreen, m.TxLedBlue),
        Setting("APO:", kListingApo, m.Apo),
        Setting("Internal MIC:", kListingOffOn, m.InternalMic),
    };
}

}  // namespace

std::string FileNameOfPath(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::vector<std::string> SettingsPageLines(const SettingsPageSource& source) {
    Lines lines{std::string(kListingBanner), std::string()};
    const Lines left = LeftParts(source);
    const Lines right = RightParts(source.records);
    for (std::size_t i = 0; i < left.size(); ++i) lines.push_back(left[i] + (i < right.size() ? right[i] : ""));
    return lines;
}

}  // namespace tarn
