#include "link/TracingJobEvents.h"

#include <string>

#include "ui/StringTable.h"

namespace tarn {

void TracingJobEvents::SetCaption(int stringId) {
    trace_.Note(std::string(LoadString(stringId)));
    events_.SetCaption(stringId);
}

void TracingJobEvents::SetGaugePosition(int blocks) {
    trace_.Note("block " + std::to_string(blocks) + " done");
    events_.SetGaugePosition(blocks);
}

void TracingJobEvents::ShowPrompt(int stringId) {
    trace_.Note(std::string(LoadString(stringId)));
    events_.ShowPrompt(stringId);
}

void TracingJobEvents::JobDone() {
    trace_.Note("job done");
    events_.JobDone();
}

}  // namespace tarn
