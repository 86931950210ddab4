#include "app/HelpContext.h"

#include "app/CommandIds.h"

namespace tarn {
namespace {

struct Section {
    int context;
    std::string_view anchor;
};

constexpr int kConfigurationDialog = 174;
constexpr int kVisibleDialog = 169;
constexpr int kPasswordDialog = 146;
constexpr int kSystemParamsDialog = 102;
constexpr int kCommonPages[] = {192, 193, 194, 195};  // Display & Sound, TX/RX, Key Set, Misc Setup
constexpr int kVfoPages[] = {196, 197, 198, 199};     // Air, VHF Expansion, FM Radio, HOME

constexpr Section kSections[] = {
    {CommandHelpContext(command::kGetStarted), "get-started"},
    {CommandHelpContext(command::kCommonProblems), "common-problems"},
    {CommandHelpContext(command::kConfigure), "configuration"},
    {DialogHelpContext(kConfigurationDialog), "configuration"},
    {CommandHelpContext(command::kVisible), "columns"},
    {DialogHelpContext(kVisibleDialog), "columns"},
    {DialogHelpContext(kPasswordDialog), "maintenance"},
    {CommandHelpContext(command::kSystem), "system-parameters"},
    {DialogHelpContext(kSystemParamsDialog), "system-parameters"},
    {CommandHelpContext(command::kCommon), "common-settings"},
    {DialogHelpContext(kCommonPages[0]), "common-settings"},
    {DialogHelpContext(kCommonPages[1]), "common-settings"},
    {DialogHelpContext(kCommonPages[2]), "common-settings"},
    {DialogHelpContext(kCommonPages[3]), "common-settings"},
    {CommandHelpContext(command::kVfoHome), "vfo-home"},
    {DialogHelpContext(kVfoPages[0]), "vfo-home"},
    {DialogHelpContext(kVfoPages[1]), "vfo-home"},
    {DialogHelpContext(kVfoPages[2]), "vfo-home"},
    {DialogHelpContext(kVfoPages[3]), "vfo-home"},
    {CommandHelpContext(command::kUpload), "radio"},
    {CommandHelpContext(command::kDownload), "radio"},
    {CommandHelpContext(command::kFileNew), "files"},
    {CommandHelpContext(command::kFileOpen), "files"},
    {CommandHelpContext(command::kFileSave), "files"},
    {CommandHelpContext(command::kFileSaveAs), "files"},
    {CommandHelpContext(command::kMoveChannelsUp), "many-channels"},
    {CommandHelpContext(command::kMoveChannelsDown), "many-channels"},
    {CommandHelpContext(command::kInsertEmptyChannel), "many-channels"},
    {CommandHelpContext(command::kDeleteChannels), "many-channels"},
    {CommandHelpContext(command::kSortByFrequency), "many-channels"},
    {CommandHelpContext(command::kSortByTag), "many-channels"},
};

constexpr int kFinderContexts[] = {98378, 123203, 387099, 387100, 387101, 387102};

}  // namespace

HelpRequest FilterHelpRequest(int context, int currentGridColumn) {
    if (context == kMainWindowHelpContext) return {false, kGridColumnHelpBase + currentGridColumn};
    for (int f : kFinderContexts) {
        if (context == f) return {true, context};
    }
    return {false, context};
}

std::string_view HelpSection(const HelpRequest& request) {
    if (request.finder) return "";
    if (request.context >= kGridColumnHelpBase && request.context < kGridColumnHelpBase + 15) return "channel-grid";
    for (const Section& s : kSections) {
        if (s.context == request.context) return s.anchor;
    }
    return "";
}

}  // namespace tarn
