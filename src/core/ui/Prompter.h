#pragma once
// How the core tells the user something and asks the user a question. Core code never prints and
// never reads a terminal: each front end (desktop, command line, tests) implements this interface.
#include <optional>
#include <string>

namespace tarn {

enum class MessageIcon { Stop, Question, Exclamation, Information };

enum class Answer { Ok, Cancel, Yes, No };

// What the platform's open or save dialog is asked to show.
struct FileDialogRequest {
    std::string filter;            // "Tarn Files(*.TRN)|*.TRN||"
    std::string defaultExtension;  // "TRN"
    bool mustExist = false;        // open: the chosen file has to exist
    bool promptOverwrite = false;  // save: ask before replacing an existing file
    bool promptCreate = false;     // save: ask before creating a file that does not exist yet
};

class Prompter {
public:
    virtual ~Prompter() = default;
    // A message with only an OK button. Texts keep the string table's "\r\n" line breaks;
    // a front end shows them as line breaks.
    virtual void Tell(const std::string& text, MessageIcon icon) = 0;
    // Returns Yes or No.
    virtual Answer AskYesNo(const std::string& text, MessageIcon icon) = 0;
    // Returns Yes, No or Cancel.
    virtual Answer AskYesNoCancel(const std::string& text, MessageIcon icon) = 0;
    // Returns Ok or Cancel.
    virtual Answer AskOkCancel(const std::string& text, MessageIcon icon) = 0;
    // Before a write into the radio: `summary` lists what the write changes. Returns Ok (write) or Cancel.
    // Front ends without a dialog of their own ask Ok/Cancel.
    virtual Answer ConfirmWrite(const std::string& summary) { return AskOkCancel(summary, MessageIcon::Question); }
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) = 0;
};

}  // namespace tarn
