#pragma once
// Why a serial port would not open, in the user's terms, and what to do about it: the system's reason
// as one sentence, then a second sentence for the situations Linux users meet with a USB cable.
#include <string>
#include <sys/types.h>

namespace tarn {

// What the system tells about a device beyond the error number, looked up when the open failed.
struct PortFacts {
    std::string group;   // the group that owns the device file ("" when unknown)
    std::string holder;  // "NAME (process PID)" of a program that has the device open ("" when none is seen)
};

// The group that owns `path` and, for a busy device, the program holding it.
PortFacts LookUpPortFacts(const std::string& path, int error);

// "PATH does not exist." and the like; `error` 0 means the device refused the line settings.
std::string PortFailureReason(const std::string& path, int error, const PortFacts& facts);

// The sentence telling the user what to do, or "" where there is nothing more to say.
std::string PortFailureAdvice(const std::string& path, int error, const PortFacts& facts);

// The program that has `path` open, as "NAME (process PID)", searched in /proc under `procRoot`;
// `self` is left out. "" when none is visible to this user.
std::string FindPortHolder(const std::string& path, pid_t self, const std::string& procRoot = "/proc");

// False when this user lacks read and write permission on an existing `path`: opening it would be refused.
bool MayOpenPort(const std::string& path);

}  // namespace tarn
