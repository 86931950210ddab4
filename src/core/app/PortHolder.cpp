#include "app/PortHolder.h"

#include "link/Link.h"

namespace tarn {

PortHolder::PortHolder(PortFactory factory) : factory_(std::move(factory)) {
    if (!factory_) factory_ = [] { return std::make_unique<ClonePort>(); };
}

bool PortHolder::Apply(const ProgramSettings& settings, Prompter& prompter) {
    port_.reset();
    if (settings.portType != PortType::ComPort) return false;
    port_ = factory_();
    if (OpenLink(*port_, PortNameOf(settings))) return true;
    prompter.Tell(PortOpenFailureText(*port_), MessageIcon::Stop);
    return false;
}

ClonePort& PortHolder::PortForTransfer() {
    if (!port_) port_ = factory_();
    return *port_;
}

void PortHolder::EndTransfer(const ProgramSettings& settings) {
    if (settings.portType == PortType::InterfaceUnit) port_.reset();
}

}  // namespace tarn
