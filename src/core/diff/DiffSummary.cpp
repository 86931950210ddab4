#include "diff/DiffSummary.h"

namespace tarn {
namespace {

void AddSection(std::string& text, const char* heading, const std::vector<ValueChange>& changes) {
    if (changes.empty()) return;
    text += std::string(heading) + "\n";
    for (const ValueChange& c : changes) text += "  " + c.name + ": " + c.before + " \u2192 " + c.after + "\n";
}

}  // namespace

std::string DiffSummary(const ImageDiff& diff) {
    std::string text;
    AddSection(text, "Channels:", diff.channels);
    AddSection(text, "Settings:", diff.settings);
    if (diff.otherBytes == 1) text += "1 other byte differs.\n";
    if (diff.otherBytes > 1) text += std::to_string(diff.otherBytes) + " other bytes differ.\n";
    return text;
}

}  // namespace tarn
