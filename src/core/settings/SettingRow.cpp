#include "settings/SettingRow.h"

namespace tarn {

std::string SettingRow::ShownText() const {
    if (kind == RowKind::Number) return text;
    return selected ? items[*selected].text : std::string();
}

}  // namespace tarn
