#include "app/UserGuideLocation.h"

#include <unistd.h>

namespace tarn {

std::string UserGuidePath(const std::string& programDir) {
    const std::string besideProgram = programDir + "/doc/user-guide.html";
    if (::access(besideProgram.c_str(), R_OK) == 0) return besideProgram;
    return programDir + "/../share/doc/tarn/user-guide.html";
}

}  // namespace tarn
