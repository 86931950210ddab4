#pragma once
// Where Tarn keeps what it makes for the user outside image files: the platform's data location for
// applications ($XDG_DATA_HOME, else ~/.local/share) with a folder "tarn".
#include <string>

namespace tarn {

std::string UserDataFolder();
// The backups made before every write into a radio.
std::string BackupFolder();

}  // namespace tarn
