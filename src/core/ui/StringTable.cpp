#include "ui/StringTable.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tarn {
namespace {

struct Entry {
    int id;
    std::string_view text;
};

// Kept in ascending id order.
constexpr Entry kStrings[] = {
    {32, "Problem opening file\r\nFile Name = %1"},
    {33, "Problem writing to file"},
    {34, "Problem reading from file\r\nFile Name = %1"},
    {35, "Problem opening file\r\n%1"},
    {36, "Do  you want to write default file?"},
    {37, "The File cannot be Opened.\r\nThe File's format is invalid or not Supported"},
    {49, "The File's attribute is Read_Only.\r\nFile Name = %1"},
    {53, "Do you copy %1 data to Ch %2?\n"},
    {90, "Upload Function"},
    {91, "Download Function"},
    {92, "Switch radio OFF, then back ON to start uploading"},
    {93, "Switch radio OFF, then back ON to start downloading"},
    {94, "Problem with COM port"},
    {95, "Check that lead is connected to COM %1"},
    {96, "Timeout 4"},
    {97, "Timeout 5"},
    {98, "Timeout 6"},
    {99, "Timeout 7"},
    {100, "Timeout 8"},
    {101, "BCC Error"},
    {102, "Communication Error"},
    {103, "Hardware configuration mismatched!"},
    {104, "Overwrite original data"},
    {105, "Upload is completed"},
    {106, "Download is completed"},
    {121, " "},
    {128, "TarnWin for Corvane (M)"},
    {135, "TarnWin for Corvane"},
    {2421, "Select VFO Mode (AM/EXP/WFM)\n<SELECT>"},
    {2422, "Select Current Mode (VFO/MR/BookMR/WX/BRS)\n<SELECT>"},
    {2423, "Select HOME/Emergency Mode (Off/HOME/Emergency)\n<SELECT>"},
    {2424, "Select Display Mode (Frequency/TAG)\n<SELECT>"},
    {2425, "Select ANL Status (Off/On)\n<SELECT>"},
    {2426, "Select Dual Watch (Off/On)\n<SELECT>"},
    {2427, "Select Weather Band (Disable/Enable)\n<SELECT>"},
    {2428, "Select VHF Expansion (Disable/Enable)\n<SELECT>"},
    {2429, "Select Gray Expansion (Disable/Enable)\n<SELECT>"},
    {2430, "Select Exp Band TX (Off/On)\n<SELECT>"},
    {2431, "Select Gray Band TX (Disable/Enable)\n<SELECT>"},
    {2432, "Select BRS Mode(Off/On)\n<SELECT>"},
    {2433, "Select BRS Mode TX(Off/On)\n<SELECT>"},
    {2850, "Alignment"},
    {2851, "Change Channel Error.\n"},
    {2852, "Squelch Open Error.\n"},
    {2853, "Now Loading... Please wait."},
    {2854, "Now Initializing... Please Wait."},
    {2855, "The radio did not confirm the end of the transmission: it may still be transmitting.\n"
            "Press STOP again, or switch the radio off."},
    {2856, "CAUTION!! \n   Turn to transmit automatically"},
    {2860, "Edit Threshold Squelch Lv. (0-255 step 1)\n<ENTER>"},
    {2861, "Edit Tight Squelch Lv. (0-255 step 1)\n<ENTER>"},
    {2862, "Edit Squelch Hyst. Lv. (0-15 step 1)\n<ENTER>"},
    {2863, "Edit S1 Lv. (0-255 step 1)\n<ENTER>"},
    {2864, "Edit S Max Lv. (0-255 step 1)\n<ENTER>"},
    {2865, "Edit Reference Tune Lv. (0-255 step 1)\n<ENTER>"},
    {2866, "Edit VSTR Lv. (0-255 step 1)\n<ENTER>"},
    {2867, "Edit VSTR Hyst. Lv. (0-15 step 1)\n<ENTER>"},
    {2868, "VOR Angle: press ADJ to read it from the radio\n<SHOW>"},
    {2869, "Edit AM High Power Transmission Lv. (0-255 step 1)\n<ENTER>"},
    {2870, "Edit AM Low Power Transmission Lv. (0-255 step 1)\n<ENTER>"},
    {2871, "Edit AM High Power Mod Level (0-255 step 1)\n<ENTER>"},
    {2872, "Edit AM Low Power Mod Level (0-255 step 1)\n<ENTER>"},
    {2873, "Edit FM High Power Transmission Lv. (0-255 step 1)\n<ENTER>"},
    {2874, "Edit Low1 Power Transmission Lv. (0-255 step 1)\n<ENTER>"},
    {2877, "Edit Mod Level (0-255 step 1)\n<ENTER>"},
    {2878, "Edit Mod Level(Narrow) (0-255 step 1)\n<ENTER>"},
    {2879, "Edit CTCSS Level (0-255 step 1)\n<ENTER>"},
    {2880, "Edit CTCSS Level(Narrow) (0-255 step 1)\n<ENTER>"},
    {2882, "Edit VOR Phase Adjustment (-15 to 15 step 1)\n<ENTER>"},
    {2883, "S-Meter Lv.: press ADJ to read it from the radio\n<SHOW>"},
    {2890, "Select the test channel the radio tunes to\n<SELECT>"},
    {4700, "Select SCAN Pause LAMP (off/on)\n<SELECT>"},
    {4701, "Select Lamp Mode (off/Continue/Key on)\n<SELECT>"},
    {4702, "Select Large Font (off/on)\n<SELECT>"},
    {4703, "Select LCD Contrast (0-15)\n<SELECT>"},
    {4704, "Select DIMMER (LV1/LV2/LV3/LV4)\n<SELECT>"},
    {4705, "Select S Meter Symbol (off/1--5--9+/12345/>>>>)\n<SELECT>"},
    {4706, "Select Display Mode (off/Temperture/Voltage)\n<SELECT>"},
    {4707, "Select Spectrum Width (30ch/60ch)\n<SELECT>"},
    {4708, "Select Beep (off/on/DTMF)\n<SELECT>"},
    {4709, "Select Bell (off/on)\n<SELECT>"},
    {4710, "Select Power On Beep (off/Mode1/Mode2/Mode3)\n<SELECT>"},
    {4711, "Select RANGE Beep (off/on)\n<SELECT>"},
    {4721, "Select SQL Level (0-8)\n<SELECT>"},
    {4722, "Select FM Radio SQL Level (0-8>"},
    {4723, "Select RX Save (off/ABS/1:1/1:2/1:3/1:4/1:5)\n<SELECT>"},
    {4724, "Select Scan Stop Resume (BUSY/5sec)\n<SELECT>"},
    {4725, "Select DW/PRI (DW/PRI)\n<SELECT>"},
    {4726, "Select PRI Time (500ma/1s/1.5s/2s/2.5s/3s)\n<SELECT>"},
    {4727, "Select T.O.T (off/1min/3min/5min)\n<SELECT>"},
    {4728, "Select BCLO (off/on)\n<SELECT>"},
    {4741, "Select Lock Status(Off/On) \n<SELECT>"},
    {4742, "Select PTT Key Dial Lock (PTT/Key/Dial/PTT+Key/PTT+Dial/Key+Dial/PTT+Key+Dial) \n<SELECT>"},
    {4743, "Select [MON] Key (MON/T.CALL)\n<SELECT>"},
    {4744, "Select [121.5] Key (Emergency/HOME)\n<SELECT>"},
    {4745, "Select [USER1] Key (None/ANL/TXPO/RANGE/XFER/SPEC/CPTL)\n<SELECT>"},
    {4746, "Select [USER2] Key (None/ANL/TXPO/RANGE/XFER/SPEC/CPTL)\n<SELECT>"},
    {4761, "Select Emergency Function (LEDFlash/121.5/Flash+121.5)\n<SELECT>"},
    {4762, "Select Weather Alert Function (off/Beep/LED Flash/Beep+LED Flash)\n<SELECT>"},
    {4763, "Select Temperature Check Function (off/on)\n<SELECT>"},
    {4764, "Select Temperature Unit (F/C)\n<SELECT>"},
    {4765, "Select APO Time (off/0.5h/1h/8h)\n<SELECT>"},
    {4766, "Select Internal MIC (off/on)\n<SELECT>"},
    {4767, "Select DTMF Memory Mode (off/on)\n<SELECT>"},
    {4861, "Edit Temperature Check Data (0-90 step 1)\n<ENTER>"},
    {4862, "Edit Temperature Offset (-12.8 - 12.8 step 0.1)\n<ENTER>"},
    {4863, "Edit Emg LED COLOR<RED> (0-255 step 1)\n<ENTER>"},
    {4864, "Edit Emg LED COLOR<GREEN> (0-255 step 1)\n<ENTER>"},
    {4865, "Edit Emg LED COLOR<BLUE> (0-255 step 1)\n<ENTER>"},
    {4866, "Edit WX LED COLOR<RED> (0-255 step 1)\n<ENTER>"},
    {4867, "Edit WX LED COLOR<GREEN> (0-255 step 1)\n<ENTER>"},
    {4868, "Edit WX LED COLOR<BLUE> (0-255 step 1)\n<ENTER>"},
    {4869, "Edit Temp LED COLOR<RED> (0-255 step 1)\n<ENTER>"},
    {4870, "Edit Temp LED COLOR<GREEN> (0-255 step 1)\n<ENTER>"},
    {4871, "Edit Temp LED COLOR<BLUE> (0-255 step 1)\n<ENTER>"},
    {4872, "Edit RX LED COLOR<RED> (0-255 step 1)\n<ENTER>"},
    {4873, "Edit RX LED COLOR<GREEN> (0-255 step 1)\n<ENTER>"},
    {4874, "Edit RX LED COLOR<BLUE> (0-255 step 1)\n<ENTER>"},
    {4875, "Edit TX LED COLOR<RED> (0-255 step 1)\n<ENTER>"},
    {4876, "Edit TX LED COLOR<GREEN> (0-255 step 1)\n<ENTER>"},
    {4877, "Edit TX LED COLOR<BLUE> (0-255 step 1)\n<ENTER>"},
    {5021, "Select Band Width (Wide/Narrow)\n<SELECT>"},
    {5022, "Select RPT Shift (Simplex/Split)\n<SELECT>"},
    {5023, "Select Step (5k/10k/12.5k/15k/20k/25k/50k/100k)\n<SELECT>"},
    {5024, "Select TX Power (L1/L2/L3/Hi)\n<SELECT>"},
    {5025, "Select Clock Shift (on/off)\n<SELECT>"},
    {5026, "Select Sub Audio Type (off/CTCSS/DCS)\n<SELECT>"},
    {5041, "Edit Receive Frequency\n<ENTER>"},
    {5042, "Edit Transmit Frequency\n<ENTER>"},
    {5043, "Edit Shift Frequency\n<ENTER>"},
    {5044, "Edit CTCSS/DCS Enc&Dec\n<SELECT>"},
    {5071, "Edit Receive Frequency\n<ENTER>"},
    {5072, "Edit Transmit Frequency\n<ENTER>"},
    {5073, "Edit Shift Frequency\n<ENTER>"},
    {5074, "Edit CTCSS/DCS Enc&Dec\n<SELECT>"},
    {5081, "Select Band Width (Wide/Narrow)\n<SELECT>"},
    {5082, "Select RPT Shift (Simplex/-/+)\n<SELECT>"},
    {5083, "Select Step (5k/10k/12.5k/15k/20k/25k/50k/100k)\n<SELECT>"},
    {5084, "Select TX Power (Lo/Hi)\n<SELECT>"},
    {5085, "Select Clock Shift (on/off)\n<SELECT>"},
    {5086, "Select Sub Audio Type (off/CTCSS/DCS)\n<SELECT>"},
    {5121, "Edit Receive Frequency\n<ENTER>"},
    {5122, "Edit Transmit Frequency\n<ENTER>"},
    {5123, "Edit Shift Frequency\n<ENTER>"},
    {5124, "Edit CTCSS/DCS Enc&Dec\n<SELECT>"},
    {5131, "Select Band Width (Wide/Narrow)\n<SELECT>"},
    {5132, "Select RPT Shift (Simplex/-/+/Split)\n<SELECT>"},
    {5133, "Select Step (5k/10k/12.5k/15k/20k/25k/50k/100k)\n<SELECT>"},
    {5134, "Select TX Power (Lo/Hi)\n<SELECT>"},
    {5135, "Select Clock Shift (on/off)\n<SELECT>"},
    {5136, "Select Sub Audio Type (off/CTCSS/DCS)\n<SELECT>"},
    {5151, "Edit Receive Frequency\n<ENTER>"},
    {5152, "Edit Transmit Frequency\n<ENTER>"},
    {5153, "Edit Shift Frequency\n<ENTER>"},
    {5154, "Edit CTCSS/DCS Enc&Dec\n<SELECT>"},
    {5161, "Select Band Width (Wide/Narrow)\n<SELECT>"},
    {5162, "Select RPT Shift (Simplex/-/+/Split)\n<SELECT>"},
    {5163, "Select Step (5k/10k/12.5k/15k/20k/25k/50k/100k)\n<SELECT>"},
    {5164, "Select TX Power (Lo/Hi)\n<SELECT>"},
    {5165, "Select Clock Shift (on/off)\n<SELECT>"},
    {5166, "Select Sub Audio Type (off/CTCSS/DCS)\n<SELECT>"},
    {5167, "Select Mode (Air/Exp/WFM/WX/BRS)\n<SELECT>"},
    {57344, "TarnWin"},
    {57345, "F1 for Help   F2 for Mode Change  F3 for DCS Complement   F10 for Menus"},
    {59137, "CAP"},
    {59138, "NUM"},
    {59139, "SCRL"},
    {59143, "[ Key Operation ]"},
    {61442, "Save changes to %1?"},
};
// Looked up by binary search: an entry out of order or twice would hide others.
static_assert(std::adjacent_find(std::begin(kStrings), std::end(kStrings),
                                 [](const Entry& a, const Entry& b) { return a.id >= b.id; }) == std::end(kStrings));

}  // namespace

std::string_view LoadString(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const Entry& e, int wanted) { return e.id < wanted; });
    if (it == std::end(kStrings) || it->id != id) return {};
    return it->text;
}

std::string ReplacePlaceholder(std::string_view text, std::string_view argument, std::string_view placeholder) {
    std::string out;
    out.reserve(text.size() + argument.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!placeholder.empty() && text.substr(i, placeholder.size()) == placeholder) {
            out.append(argument);
            i += placeholder.size() - 1;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string FormatString(int id, std::string_view argument) {
    return ReplacePlaceholder(LoadString(id), argument);
}

}  // namespace tarn
