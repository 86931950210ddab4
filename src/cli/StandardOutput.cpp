#include "StandardOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tarn::cli {

bool WriteStandardOutput(const std::string& text, const std::string& what) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0) return true;
    const int error = errno;
    std::fprintf(stderr, "tarn-cli: writing %s: %s\n", what.c_str(), std::strerror(error));
    return false;
}

}  // namespace tarn::cli
