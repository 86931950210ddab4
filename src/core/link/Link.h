#pragma once
// The link functions the clone protocol and the alignment commands use on the clone port.
#include <cstddef>
#include <cstdint>
#include <string>

#include "link/ClonePort.h"
#include "link/LinkResult.h"
#include "ui/Prompter.h"

namespace tarn {

// Closes the port if it is open (DTR drops), then opens `portName` afresh at 9600 8N1.
bool OpenLink(ClonePort& port, const std::string& portName);

// Send with the cable's echo read back; false when the write or its echo failed.
bool SendByte(ClonePort& port, std::uint8_t byte);
// `bytes` holds the echo afterwards.
bool SendBytes(ClonePort& port, std::uint8_t* bytes, std::size_t count);

LinkResult ReceiveByte(ClonePort& port, std::uint8_t& byte);
LinkResult ReceiveBytes(ClonePort& port, std::uint8_t* buffer, std::size_t count);

// "Check that lead is connected to COM n" with the stop icon.
void ShowPortCheckMessage(Prompter& prompter, const ClonePort& port);

// "Problem with COM port", then why the last Open failed and, where the user can do something about it,
// what to do.
std::string PortOpenFailureText(const ClonePort& port);

}  // namespace tarn
