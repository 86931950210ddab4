#include "model/FileFailureMessage.h"

#include "model/RegularFile.h"
#include "ui/StringIds.h"
#include "ui/StringTable.h"

namespace tarn {

void TellFileFailure(Prompter& prompter, int id, const std::string& path, int error) {
    std::string text = FormatString(id, path);
    if (error != 0) text += "\r\n(" + FileErrorText(error) + ")";
    prompter.Tell(text, MessageIcon::Stop);
}

bool ToldUnlessWritten(const WriteResult& result, const std::string& path, Prompter& prompter) {
    if (result.ok()) return true;
    TellFileFailure(prompter, result.status == WriteStatus::CannotCreate ? kStrProblemCreatingFile : kStrProblemWritingFile,
                    path, result.error);
    return false;
}

}  // namespace tarn
