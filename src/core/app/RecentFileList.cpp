#include "app/RecentFileList.h"

#include <algorithm>

namespace tarn {

RecentFileList::RecentFileList(std::vector<std::string> entries) {
    for (auto& e : entries) {
        if (!e.empty() && entries_.size() < kSize && std::find(entries_.begin(), entries_.end(), e) == entries_.end()) {
            entries_.push_back(std::move(e));
        }
    }
}

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kSize) entries_.resize(kSize);
}

void RecentFileList::Remove(std::size_t index) {
    if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string RecentFileMenuText(std::size_t index, const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return "&" + std::to_string(index + 1) + " " + name;
}

}  // namespace tarn
