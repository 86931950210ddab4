#pragma once
// Where the user guide is: beside the program in a build (bin/doc/), or where the installation put it
// (share/doc/tarn/ next to bin/).
#include <string>

namespace tarn {

// The user guide's path for the program in `programDir`; the installed place when neither exists.
std::string UserGuidePath(const std::string& programDir);

}  // namespace tarn
