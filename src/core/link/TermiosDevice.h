#pragma once
#include <memory>

#include "link/SerialDevice.h"

namespace tarn {

// The serial device of this system: a terminal device driven through termios.
std::unique_ptr<SerialDevice> MakeTermiosDevice();

}  // namespace tarn
