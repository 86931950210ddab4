#pragma once
// The tables that give a channel record's fields their meaning: frequency units, steps, modes, tones,
// DCS codes and the TAG character set.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tarn {

// Hz per count of a record's frequency field, by unit index.
inline constexpr std::array<std::int32_t, 2> FrequencyUnits{5000, 6250};

inline constexpr std::array<std::string_view, 8> StepNames{"5k", "10k", "12.5k", "15k",
                                                           "20k", "25k", "50k", "100k"};
// The spacing a step names, in Hz ("12.5k" is 12500).
inline constexpr std::array<std::int32_t, 8> StepSpacing{5000, 10000, 12500, 15000,
                                                         20000, 25000, 50000, 100000};
// Frequencies are rounded to the resolution of a step, not to its named spacing.
inline constexpr std::array<std::int32_t, 8> StepResolution{5000, 10000, 12500, 5000,
                                                            10000, 25000, 25000, 50000};

inline constexpr std::array<std::string_view, 5> ModeNames{"AM", "EXP", "WFM", "WX", "BRS"};
inline constexpr std::array<std::string_view, 2> WidthNames{"W", "N"};
inline constexpr std::array<std::string_view, 3> ToneTypeNames{"-----", "CTCSS", "DCS"};
inline constexpr std::array<std::string_view, 2> PowerNames{"LO", "HI"};
inline constexpr std::array<std::string_view, 4> ShiftNames{"Simplex", "-", "+", "Split"};

// The first 39 tones ascend; 39..49 are the further tones in the radio's order.
inline constexpr std::array<std::string_view, 50> CtcssTones{
    " 67.0", " 69.3", " 71.9", " 74.4", " 77.0", " 79.7", " 82.5", " 85.4", " 88.5", " 91.5",
    " 94.8", " 97.4", "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
    "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3", "159.8",
    "165.5", "171.3", "177.3", "183.5", "189.9", "196.6", "199.5", "206.5", "229.1", "254.1"};
inline constexpr std::size_t kAscendingCtcssTones = 39;

inline constexpr std::array<std::string_view, 106> DcsCodes{
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072",
    "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155",
    "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246",
    "250", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306", "311", "315", "325",
    "331", "332", "343", "346", "351", "356", "364", "365", "371", "411", "412", "413", "423", "431",
    "432", "435", "445", "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516",
    "523", "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "654", "662", "664",
    "703", "712", "723", "731", "732", "734", "743", "754"};

// For each DCS index, the index of the inverted code ("023" <-> "047").
inline constexpr std::array<std::uint8_t, 106> DcsComplement{
    7,   39, 78, 92, 8,  31, 72, 0,  4,  74, 67,  50, 52, 40, 82, 32,  99, 26, 105, 36, 63, 62,
    87,  35, 66, 51, 17, 101, 48, 81, 43, 5,  15, 47, 61, 23, 19, 65,  60, 1,  13, 84,  42, 30,
    77,  73, 102, 33, 28, 75, 11, 25, 12, 97, 68, 85, 79, 76, 86, 90,  38, 34, 21, 20,  103, 37,
    24,  10, 54, 100, 83, 38, 6, 45, 9, 49, 57, 44, 2,  56, 96, 29, 14, 70, 41, 55, 58, 22, 98,
    93,  59, 94, 3,  89, 91, 104, 80, 53, 88, 16, 69, 27, 46, 64, 95, 18};

// The TAG character of a record code: digits, capitals, small letters, 32 symbols, then blanks
// (94..124); '\0' (end of text) for 125..255.
char TagCharacter(std::uint8_t code);
// The record code of a TAG character; 64 (the blank) for a character outside the alphabet.
std::uint8_t TagCode(char c);
inline constexpr std::uint8_t kTagBlankCode = 64;
// Whether a TAG can hold `c`: a digit, a letter, one of the 32 symbols or the blank.
bool IsTagCharacter(char c);

// The entry at `index`, or an empty text when the index lies outside the table (values read from a
// file or the radio are not range-checked).
std::string_view TableText(std::span<const std::string_view> table, std::uint32_t index);

// The first DCS index whose code is not below the typed number; 105 when none.
std::uint32_t DcsIndexFromText(std::string_view text);
// The first of the 39 ascending tones not below the typed value; 38 when none.
std::uint32_t CtcssIndexFromText(std::string_view text);

}  // namespace tarn
