#include "app/UserDataFolder.h"

#include <cstdlib>

namespace tarn {

std::string UserDataFolder() {
    // An XDG variable that is not an absolute path is to be ignored.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/') return std::string(data) + "/tarn";
    const char* home = std::getenv("HOME");
    return std::string(home && home[0] ? home : ".") + "/.local/share/tarn";
}

std::string BackupFolder() { return UserDataFolder() + "/backups"; }

}  // namespace tarn
