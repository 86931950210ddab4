#pragma once
// The four most recently opened image files, newest first.
#include <string>
#include <vector>

namespace tarn {

class RecentFileList {
public:
    static constexpr std::size_t kSize = 4;

    explicit RecentFileList(std::vector<std::string> entries = {});

    // Puts `path` first; an entry for the same path moves up instead of appearing twice.
    void Add(const std::string& path);
    // Removes the entry at `index` (a file that could no longer be opened).
    void Remove(std::size_t index);

    const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
};

// The File menu text of entry `index`: "&1 name" with the path shortened to its file name.
std::string RecentFileMenuText(std::size_t index, const std::string& path);

}  // namespace tarn
