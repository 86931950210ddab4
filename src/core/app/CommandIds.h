#pragma once
// The program's command numbers. They name the commands in the enable tables and give the help contexts.
namespace tarn::command {

inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kRecentFileFirst = 57616;
inline constexpr int kAppExit = 57665;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kHelpFinder = 57667;
inline constexpr int kHelp = 57664;

inline constexpr int kSystem = 32772;
inline constexpr int kCommon = 32773;
inline constexpr int kVfoHome = 32774;
inline constexpr int kDtmfMemory = 32775;
inline constexpr int kItemFirst = 32800;  // View > Item entries 32800..32810
inline constexpr int kUpload = 32825;
inline constexpr int kDownload = 32826;
inline constexpr int kVisible = 32829;
inline constexpr int kGetStarted = 32840;
inline constexpr int kCommonProblems = 32841;
inline constexpr int kAbout = 32842;
inline constexpr int kConfigure = 32850;
inline constexpr int kAlign = 32851;
inline constexpr int kImportCsv = 32860;
inline constexpr int kExportCsv = 32861;
inline constexpr int kOpenBackupFolder = 32862;
inline constexpr int kMoveChannelsUp = 32870;
inline constexpr int kMoveChannelsDown = 32871;
inline constexpr int kInsertEmptyChannel = 32872;
inline constexpr int kDeleteChannels = 32873;
inline constexpr int kSortByFrequency = 32874;
inline constexpr int kSortByTag = 32875;

}  // namespace tarn::command
