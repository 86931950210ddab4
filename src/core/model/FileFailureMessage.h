#pragma once
// How a failed file read or write is told: the system's message, then the operating system's reason.
#include <string>

#include "model/SafeFileWrite.h"
#include "ui/Prompter.h"

namespace tarn {

// The message of string `id` for `path`, with the reason for `error` (none when 0) on the next line.
void TellFileFailure(Prompter& prompter, int id, const std::string& path, int error);
// True when `result` is a completed write; otherwise false after the message that says why.
bool ToldUnlessWritten(const WriteResult& result, const std::string& path, Prompter& prompter);

}  // namespace tarn
