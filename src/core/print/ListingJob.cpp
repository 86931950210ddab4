#include "print/ListingJob.h"

#include <algorithm>

#include "model/IdentityValues.h"
#include "print/ChannelPage.h"
#include "print/ListedChannels.h"
#include "print/ListingFormat.h"
#include "print/SettingsPage.h"

namespace tarn {

ListingJob::ListingJob(const DocumentContent& content, const std::string& filePath, TextMetrics metrics)
    : content_(content),
      fileName_(FileNameOfPath(filePath)),
      metrics_(metrics),
      pageCount_(ListingPageCount(UsedChannelCount(content.Channels))) {
    records_.Decode(content);
}

std::vector<std::string> ListingJob::PageLines(std::uint32_t page) const {
    if (page < 1 || page > pageCount_) return {};
    if (page == 1) {
        const std::string serialNumber = SerialNumberText(content_.Image);
        return SettingsPageLines({fileName_, serialNumber, content_.Settings, records_});
    }
    return ChannelPageLines(content_.Channels, page - 1);
}

ListingExtent ListingJob::Extent() const {
    ListingExtent extent;
    for (std::uint32_t page = 1; page <= pageCount_; ++page) {
        const std::vector<std::string> lines = PageLines(page);
        extent.lines = std::max(extent.lines, lines.size());
        for (const std::string& line : lines) {
            extent.columns = std::max(extent.columns, kListingLeftMarginChars + TextColumns(line));
        }
    }
    return extent;
}

void ListingJob::PrintPage(ListingSurface& surface, std::uint32_t page) {
    lineNo_ = 0;
    for (const std::string& line : PageLines(page)) {
        surface.DrawLine(kListingLeftMarginChars * metrics_.charWidth, lineNo_ * metrics_.lineHeight, line);
        ++lineNo_;
    }
}

}  // namespace tarn
