#include "model/DefaultImageFiles.h"

#include <algorithm>
#include <cctype>

namespace tarn {
namespace {

constexpr std::size_t kComparedDefaultFiles = 4;

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string DefaultImageFilePath(const std::string& folder, std::size_t index) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/') path.push_back('/');
    path.append(DefaultImageFiles[index]);
    return path;
}

bool IsDefaultImageFileName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    for (std::size_t i = 0; i < kComparedDefaultFiles; ++i) {
        if (EqualIgnoringCase(name, DefaultImageFiles[i])) return true;
    }
    return false;
}

}  // namespace tarn
