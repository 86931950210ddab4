#pragma once
// The program's one clone port and its lifetime by port type: with the COM port type it is opened at
// start-up and kept; with the KLU-40 unit it exists only for one transfer.
#include <functional>
#include <memory>

#include "app/ProgramSettings.h"
#include "link/ClonePort.h"
#include "ui/Prompter.h"

namespace tarn {

class PortHolder {
public:
    using PortFactory = std::function<std::unique_ptr<ClonePort>()>;

    // `factory` makes a closed port (the real serial device by default).
    explicit PortHolder(PortFactory factory = {});

    // Start-up, and OK in the Configuration dialog: with the COM port type the port is made afresh and
    // opened, and a failure is told with the system's reason (the program goes on without a port);
    // with the KLU-40 type any port is closed and dropped. Returns whether a port is open.
    bool Apply(const ProgramSettings& settings, Prompter& prompter);

    // The port for one transfer, made when there is none (the KLU-40 type, or a port dropped earlier).
    ClonePort& PortForTransfer();
    // After a transfer: the KLU-40 type drops the port again.
    void EndTransfer(const ProgramSettings& settings);

    ClonePort* Port() const { return port_.get(); }

private:
    PortFactory factory_;
    std::unique_ptr<ClonePort> port_;
};

}  // namespace tarn
