#pragma once
// String-table ids of the serial link, the clone protocol and the transfer job.
namespace tarn::link_strings {

inline constexpr int kUploadCaption = 90;           // "Upload Function"
inline constexpr int kDownloadCaption = 91;         // "Download Function"
inline constexpr int kPromptUploading = 92;         // "Switch radio OFF, then back ON to start uploading"
inline constexpr int kPromptDownloading = 93;       // "... to start downloading"
inline constexpr int kProblemWithPort = 94;         // "Problem with COM port"
inline constexpr int kCheckLead = 95;               // "Check that lead is connected to COM %1"
inline constexpr int kTimeout4 = 96;                // no block type byte / no acknowledgement
inline constexpr int kTimeout5 = 97;                // no length byte
inline constexpr int kTimeout6 = 98;                // no block number
inline constexpr int kTimeout7 = 99;                // block data incomplete
inline constexpr int kTimeout8 = 100;               // no checksum byte
inline constexpr int kBccError = 101;
inline constexpr int kCommunicationError = 102;
inline constexpr int kHardwareMismatch = 103;
inline constexpr int kOverwriteOriginal = 104;
inline constexpr int kUploadCompleted = 105;
inline constexpr int kDownloadCompleted = 106;

}  // namespace tarn::link_strings
