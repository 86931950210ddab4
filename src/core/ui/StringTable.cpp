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
    {128, "TarnWin for Corvane (M)"},
    {135, "TarnWin for Corvane"},
    {57344, "TarnWin"},
    {57345, "F1 for Help   F2 for Mode Change  F3 for DCS Complement   F10 for Menus"},
    {59137, "CAP"},
    {59138, "NUM"},
    {59139, "SCRL"},
    {61442, "Save changes to %1?"},
};

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
