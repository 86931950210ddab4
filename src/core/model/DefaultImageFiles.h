#pragma once
// The default image files looked for in the folder of the running executable.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tarn {

inline constexpr std::array<std::string_view, 5> DefaultImageFiles{"Tarnvhfa.trn", "Tarnvhfc.trn", "Tarnuhfa.trn",
                                                                   "Tarnuhfd.trn", "Tarnuhff.trn"};
// The order in which a new document looks for them (the last one is never looked for).
inline constexpr std::array<std::size_t, 4> kDefaultImageSearchOrder{0, 2, 1, 3};

// `folder` joined with the file name of DefaultImageFiles[index].
std::string DefaultImageFilePath(const std::string& folder, std::size_t index);
// Whether the file name (with extension, any folder, any case) is one of the first four default files.
bool IsDefaultImageFileName(std::string_view path);

}  // namespace tarn
