#pragma once
// Which of the main window's commands are enabled: one table for normal use, one for maintenance mode.
#include <array>
#include <cstdint>

namespace tarn {

// Seven masks; word k enables a group of commands, bit (id - first id of the group) per command.
struct CommandEnableTable {
    std::array<std::uint32_t, 7> words;
};

inline constexpr CommandEnableTable kNormalEnableTable{{31, 15, 0, 3, 1023, 7, 3}};
inline constexpr CommandEnableTable kMaintenanceEnableTable{{31, 15, 1, 3, 1023, 7, 3}};

const CommandEnableTable& EnableTableFor(bool maintenanceMode);

// Whether `commandId` is enabled by `table`. Commands outside the table's groups are always enabled.
bool IsCommandEnabled(const CommandEnableTable& table, int commandId);

}  // namespace tarn
