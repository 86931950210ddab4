#include "link/PortAdvice.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace tarn {
namespace {

namespace fs = std::filesystem;

std::string OwningGroup(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return "";
    const struct group* g = getgrgid(st.st_gid);
    return g ? g->gr_name : "";
}

// USB serial adapters appear as ttyUSBn or ttyACMn; those are the ones a braille service grabs.
bool IsUsbSerialPath(const std::string& path) {
    return path.find("/ttyUSB") != std::string::npos || path.find("/ttyACM") != std::string::npos;
}

std::string ProcessName(const fs::path& processDir) {
    std::ifstream in(processDir / "comm");
    std::string name;
    std::getline(in, name);
    return name;
}

}  // namespace

PortFacts LookUpPortFacts(const std::string& path, int error) {
    PortFacts facts;
    facts.group = OwningGroup(path);
    if (error == EBUSY) facts.holder = FindPortHolder(path, getpid());
    return facts;
}

std::string PortFailureReason(const std::string& path, int error, const PortFacts& facts) {
    switch (error) {
        case 0:
            return path + " does not accept the line settings (9600 baud, 8 data bits, no parity, 1 stop bit).";
        case ENOENT:
            return path + " does not exist.";
        case EBUSY:
            if (!facts.holder.empty()) return path + " is in use by another program: " + facts.holder + ".";
            return path + " is in use by another program.";
        case ENOTTY:
            return path + " is not a serial port.";
        case EACCES:
        case EPERM:
            return "You have no permission to use " + path + ".";
        case ENXIO:
        case ENODEV:
        case EIO:
            return "No device answers at " + path + ".";
        default:
            return path + ": " + std::strerror(error) + ".";
    }
}

std::string PortFailureAdvice(const std::string& path, int error, const PortFacts& facts) {
    switch (error) {
        case EACCES:
        case EPERM:
            if (facts.group.empty() || facts.group == "root") {
                return "Your user may not use this port: ask the administrator to give the device to a group "
                       "you can join, or add a udev rule for the cable.";
            }
            return "Your user may not use this port: add it to the group that owns the device (sudo usermod -aG " +
                   facts.group + " $USER, then log out and in).";
        case ENOENT:
            if (!IsUsbSerialPath(path)) return "Check the name, or choose one of the ports the system lists.";
            return "If the cable's port appeared when you plugged it in and vanished a moment later, a braille "
                   "display service (brltty) has claimed the adapter: \"journalctl -k | grep -i brltty\" shows "
                   "it; unless you use a braille display, stop it with \"sudo systemctl mask brltty-udev.service "
                   "brltty.service\" (or remove the brltty package) and plug the cable in again.";
        case EBUSY:
            if (facts.holder.empty()) {
                return "Close the program that uses it (\"fuser -v " + path + "\" names it) and try again.";
            }
            return "Close " + facts.holder + " and try again.";
        case ENXIO:
        case ENODEV:
        case EIO:
            return "Check that the cable is plugged in, or choose another port.";
        default:
            return "";
    }
}

std::string FindPortHolder(const std::string& path, pid_t self, const std::string& procRoot) {
    std::error_code ec;
    const fs::path device = fs::canonical(path, ec);
    if (ec) return "";
    for (const auto& process : fs::directory_iterator(procRoot, ec)) {
        const std::string pid = process.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid == std::to_string(self)) continue;
        std::error_code fdError;
        for (const auto& fd : fs::directory_iterator(process.path() / "fd", fdError)) {
            std::error_code linkError;
            if (fs::read_symlink(fd.path(), linkError) == device) {
                return ProcessName(process.path()) + " (process " + pid + ")";
            }
        }
    }
    return "";
}

bool MayOpenPort(const std::string& path) {
    return ::access(path.c_str(), F_OK) != 0 || ::access(path.c_str(), R_OK | W_OK) == 0;
}

}  // namespace tarn
