#include "app/CommandEnableTable.h"

#include "app/CommandIds.h"

namespace tarn {
namespace {

struct Group {
    int word;
    int first;
    int last;
};

constexpr Group kGroups[] = {
    {0, command::kConfigure, command::kConfigure},
    {1, command::kSystem, command::kDtmfMemory},
    {2, command::kAlign, command::kAlign},
    {3, command::kUpload, command::kDownload},
    {4, command::kImportCsv, command::kExportCsv},
    {5, command::kGetStarted, command::kAbout},
    {6, command::kEditUndo, command::kEditRedo},
};

}  // namespace

const CommandEnableTable& EnableTableFor(bool maintenanceMode) {
    return maintenanceMode ? kMaintenanceEnableTable : kNormalEnableTable;
}

bool IsCommandEnabled(const CommandEnableTable& table, int commandId) {
    for (const Group& g : kGroups) {
        if (commandId >= g.first && commandId <= g.last) {
            return (table.words[g.word] >> (commandId - g.first)) & 1u;
        }
    }
    return true;
}

}  // namespace tarn
