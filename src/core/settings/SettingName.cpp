#include "settings/SettingName.h"

#include <cctype>

namespace tarn {

std::string SettingName(std::string_view label) {
    std::string name;
    bool gap = false;
    for (const char c : label) {
        const auto u = static_cast<unsigned char>(c);
        if (!std::isalnum(u)) {
            gap = true;
            continue;
        }
        if (gap && !name.empty()) name.push_back('_');
        gap = false;
        name.push_back(static_cast<char>(std::tolower(u)));
    }
    return name;
}

}  // namespace tarn
