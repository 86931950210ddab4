// tarn-radio-sim: a virtual radio on a pseudo-terminal, for trying Tarn and for the end-to-end tests.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "SimLine.h"
#include "SimOptions.h"
#include "VirtualRadio.h"
#include "model/RegularFile.h"

namespace {

using namespace tarn;

bool LoadImage(const std::string& path, CloneImage& image) {
    int error = 0;
    off_t size = 0;
    const int fd = OpenRegularFileToRead(path, error, &size);
    if (fd < 0) return false;
    const auto bytes = static_cast<std::size_t>(size);
    const bool loaded = (bytes == kImageFileSize || bytes == kImageSize) &&
                        ReadFully(fd, image.data(), image.size()) == static_cast<long>(image.size());
    close(fd);
    return loaded;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::fputs(sim::kSimUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::puts("tarn-radio-sim " TARN_VERSION);
        return 0;
    }
    std::string error;
    const auto options = sim::ParseSimOptions(argc - 1, argv + 1, error);
    if (!options) {
        std::fprintf(stderr, "tarn-radio-sim: %s\n%s", error.c_str(), sim::kSimUsage);
        return 2;
    }
    CloneImage memory = sim::BuiltInImage();
    if (!options->imagePath.empty() && !LoadImage(options->imagePath, memory)) {
        std::fprintf(stderr, "tarn-radio-sim: %s is not a 4104- or 4096-byte image file\n", options->imagePath.c_str());
        return 1;
    }
    std::FILE* log = nullptr;
    if (!options->logPath.empty() && !(log = std::fopen(options->logPath.c_str(), "w"))) {
        std::perror(options->logPath.c_str());
        return 1;
    }

    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("tarn-radio-sim: pseudo-terminal");
        return 1;
    }
    const char* slavePath = ptsname(master);
    // Holding the terminal's other end open keeps the line up between the program's opens; raw mode
    // keeps the line discipline from echoing or translating before the program configures it.
    const int slave = slavePath ? open(slavePath, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
    termios t{};
    if (slave < 0 || tcgetattr(slave, &t) != 0) {
        std::perror("tarn-radio-sim: pseudo-terminal");
        return 1;
    }
    cfmakeraw(&t);
    tcsetattr(slave, TCSANOW, &t);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    std::printf("%s\n", slavePath);
    std::fflush(stdout);

    sim::SimLine line(master, slave, options->baudTiming, options->latencyMs, options->echo, log);
    sim::VirtualRadio radio(line, *options, memory);
    radio.Run();
}
