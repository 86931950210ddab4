#pragma once
// One run of the print listing, from begin printing to end printing: the printer's text metrics, the
// number of pages, and the settings copies every page prints. Pages can be asked for in any order and
// more than once; each is drawn from its top.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/DocumentContent.h"
#include "print/ListingRecords.h"
#include "print/ListingSurface.h"

namespace tarn {

struct TextMetrics {
    int lineHeight = 0;  // character height plus external leading
    int charWidth = 0;   // average character width
};

inline constexpr int kListingLeftMarginChars = 5;

// The room the widest line (with its left margin) and the longest page of a job take, in characters.
struct ListingExtent {
    std::size_t columns = 0;
    std::size_t lines = 0;
};

class ListingJob {
public:
    // Takes the record copies now; the System Parameters and the channels are read from `content` as each
    // page is printed. `filePath` is the document's path ("<none>" when it is tied to no file).
    ListingJob(const DocumentContent& content, const std::string& filePath, TextMetrics metrics = {});

    // The metrics of the font the pages are drawn in, once the front end has chosen it.
    void SetTextMetrics(TextMetrics metrics) { metrics_ = metrics; }

    std::uint32_t PageCount() const { return pageCount_; }
    // The text of page `page` (1 = the settings page, 2.. the channel pages); none outside 1..PageCount.
    std::vector<std::string> PageLines(std::uint32_t page) const;
    // What every page of the job needs, so a front end can choose a font size that fits the paper.
    ListingExtent Extent() const;
    // Draws page `page` line by line at 5 character widths from the left, one line height apart.
    void PrintPage(ListingSurface& surface, std::uint32_t page);
    // The next line number on the page being printed.
    int LineNo() const { return lineNo_; }

private:
    const DocumentContent& content_;
    std::string fileName_;
    TextMetrics metrics_;
    std::uint32_t pageCount_;
    ListingRecords records_;
    int lineNo_ = 0;
};

}  // namespace tarn
