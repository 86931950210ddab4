#pragma once
// Ids of the string table's texts (see StringTable.cpp).

namespace tarn {

inline constexpr int kStrProblemOpeningFile = 32;       // "Problem opening file\r\nFile Name = %1"
inline constexpr int kStrProblemWritingFile = 33;       // "Problem writing to file"
inline constexpr int kStrProblemReadingFile = 34;       // "Problem reading from file\r\nFile Name = %1"
inline constexpr int kStrProblemCreatingFile = 35;      // "Problem opening file\r\n%1"
inline constexpr int kStrWriteDefaultFile = 36;         // "Do  you want to write default file?"
inline constexpr int kStrFileFormatInvalid = 37;        // "The File cannot be Opened. ..."
inline constexpr int kStrFileReadOnly = 49;             // "The File's attribute is Read_Only. ..."
inline constexpr int kStrCopyChannel = 53;              // "Do you copy %1 data to Ch %2?\n"
inline constexpr int kStrSaveChanges = 61442;           // the standard save-changes question

}  // namespace tarn
