#pragma once
// The first page of the listing: the banner, then the system and common settings on the left and the
// VFO/HOME records on the right.
#include <string>
#include <string_view>
#include <vector>

#include "model/SystemSettings.h"
#include "print/ListingRecords.h"

namespace tarn {

inline constexpr std::string_view kListingBanner =
    "                  **********  Molvaren Corvane Portable Transceiver  **********";
inline constexpr std::size_t kSettingsLeftColumns = 55;

struct SettingsPageSource {
    std::string_view fileName;      // name and extension of the document's file, or "<none>"
    std::string_view serialNumber;  // the "Serial No" text
    const SystemSettings& system;
    const ListingRecords& records;
};

// The name and extension of `path`, without its folders.
std::string FileNameOfPath(std::string_view path);
std::vector<std::string> SettingsPageLines(const SettingsPageSource& source);

}  // namespace tarn
