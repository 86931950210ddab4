#include "channels/ComplementDcs.h"

#include "channels/ChannelEditLabel.h"
#include "model/EditStep.h"
#include "model/ValueTables.h"

namespace tarn {

EditResult ComplementDcs(Document& document, int column) {
    ChannelTable& table = document.Channels();
    if (column != 8 || table.CurrentIndex >= EntryCount) return EditResult::Refused();
    ChannelEntry& entry = table.Entries[table.CurrentIndex];
    if (entry.Empty != 0 || entry.ToneType != kToneDcs || entry.DcsIndex >= DcsComplement.size()) {
        return EditResult::Refused();
    }
    const EditStep step(document, CellEditLabel(table.CurrentIndex, column));
    entry.DcsIndex = DcsComplement[entry.DcsIndex];
    document.SetModified(true);
    return EditResult::Done();
}

}  // namespace tarn
