#include "link/QueuedJobEvents.h"

#include <QMetaObject>

namespace tarn::gui {

template <typename Call>
void QueuedJobEvents::Post(Call call) {
    QMetaObject::invokeMethod(context_, [&target = target_, call] { call(target); }, Qt::QueuedConnection);
}

void QueuedJobEvents::SetCaption(int stringId) {
    Post([stringId](JobEvents& t) { t.SetCaption(stringId); });
}

void QueuedJobEvents::SetGaugeRange(int blocks) {
    Post([blocks](JobEvents& t) { t.SetGaugeRange(blocks); });
}

void QueuedJobEvents::SetGaugePosition(int blocks) {
    Post([blocks](JobEvents& t) { t.SetGaugePosition(blocks); });
}

void QueuedJobEvents::ShowPrompt(int stringId) {
    Post([stringId](JobEvents& t) { t.ShowPrompt(stringId); });
}

void QueuedJobEvents::JobDone() {
    Post([](JobEvents& t) { t.JobDone(); });
}

}  // namespace tarn::gui
