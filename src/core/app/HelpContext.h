#pragma once
// Help requests by context number and where they lead in the user guide.
#include <string_view>

namespace tarn {

inline constexpr int kMainWindowHelpContext = 131200;  // the main window itself, as for F1
inline constexpr int kGridColumnHelpBase = 300;        // 300 + grid column

constexpr int CommandHelpContext(int commandId) { return 0x10000 + commandId; }
constexpr int DialogHelpContext(int dialogId) { return 0x20000 + dialogId; }

struct HelpRequest {
    bool finder = false;  // open the guide's contents instead of a topic
    int context = 0;
};

// The main window's filter of every help request: itself becomes the grid column under the cursor,
// a few contexts open the contents.
HelpRequest FilterHelpRequest(int context, int currentGridColumn);

// The section of the user guide for a request ("" for the top of the guide).
std::string_view HelpSection(const HelpRequest& request);

}  // namespace tarn
