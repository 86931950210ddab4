// The protocol's fixed pauses give a real radio time; the scripted line needs none, and a fuzzer that slept
// through them would try a few inputs a second. The standard library's sleeps end here.
#include <time.h>

extern "C" int nanosleep(const struct timespec*, struct timespec* remaining) {
    if (remaining) *remaining = {};
    return 0;
}
