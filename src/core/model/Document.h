#pragma once
// The single document: the image with its model objects, the current file path, the Modified and
// DefaultImageLoaded flags, and the New, Open, Save and Save As flows with their messages.
#include <cstddef>
#include <string>
#include <string_view>

#include "model/DocumentContent.h"
#include "model/EditHistory.h"
#include "model/DocumentObserver.h"
#include "ui/Prompter.h"

namespace tarn {

// The path of a document tied to no file.
inline constexpr std::string_view kNoFilePath = "<none>";
// The bare name under which the built-in default image is written into the working folder.
inline constexpr std::string_view kDefaultImageWriteName = "Tarnvhfa.trn";
inline constexpr std::string_view kImageFileFilter = "Tarn Files(*.TRN)|*.TRN||";
inline constexpr std::string_view kImageFileExtension = "TRN";

class Document {
public:
    // `executableFolder` is the folder of the running program, where the default image files are looked for.
    Document(Prompter& prompter, std::string executableFolder);

    void SetObserver(DocumentObserver* observer) { observer_ = observer ? observer : &noObserver_; }

    DocumentContent& Content() { return content_; }
    const DocumentContent& Content() const { return content_; }
    CloneImage& Image() { return content_.Image; }
    ImageTrailer& Trailer() { return content_.Trailer; }
    ChannelTable& Channels() { return content_.Channels; }
    SystemSettings& Settings() { return content_.Settings; }

    const std::string& CurrentFilePath() const { return currentFilePath_; }
    // Also tells the observer that the title changed (e.g. "<none>" after an image was read from the radio).
    void SetCurrentFilePath(std::string path);
    const std::string& Title() const { return currentFilePath_; }
    bool Modified() const { return modified_; }
    // Not modified: the content now held is the one in the file, which undoing back to it shows again.
    void SetModified(bool modified);
    bool DefaultImageLoaded() const { return defaultImageLoaded_; }
    void SetDefaultImageLoaded(bool loaded) { defaultImageLoaded_ = loaded; }

    // Start-up without a file: a default image file from the executable's folder, or the built-in default.
    void NewDocument();
    // Start-up with a file, a recent-file entry, or File > Open of another file.
    // A file that cannot be read is refused with a message and nothing changes; returns whether it was opened.
    bool OpenDocument(const std::string& path);

    // File > New.
    void New();
    // File > Open: choose, check, ask to save changes, load.
    void Open();
    // File > Save; true when the file was written.
    bool Save();
    // File > Save As; true when the file was written.
    bool SaveAs();
    // Asks to save unsaved changes; true when the asking command may go on (nothing unsaved is lost).
    bool PromptSaveModified();
    // Replaces the content by the one loaded for `path` ("<none>" for a new document) and refreshes the views.
    void ReplaceDocument(const std::string& path);

    EditHistory& History() { return history_; }
    const EditHistory& History() const { return history_; }
    // Notes a change from `before` to the content now held (see EditStep) and tells the observer.
    void RecordEdit(DocumentContent before, std::string label);
    // Edit > Undo and Edit > Redo: the content of the step before (after), Modified as it was at that
    // state, and the views refreshed. False when there is nothing to undo (redo).
    bool Undo();
    bool Redo();
    // Upload: the radio's image replaced the content, which no step can bring back.
    void ClearHistory();

    void DecodeImage();
    void EncodeImage();

    // Building blocks of the flows above.
    void LoadDocumentImage();
    bool FindDefaultImageFile(std::size_t index);
    bool WriteDefaultImageFile(const std::string& fileName);

private:
    friend class EditStep;  // counts the open steps, so that only the outermost one records

    bool MoveInHistory(bool (EditHistory::*move)(DocumentContent&));

    Prompter& prompter_;
    std::string executableFolder_;
    DocumentObserver noObserver_;
    DocumentObserver* observer_ = &noObserver_;
    DocumentContent content_;
    EditHistory history_;
    std::string currentFilePath_{kNoFilePath};
    bool modified_ = false;
    bool defaultImageLoaded_ = false;
    int editStepDepth_ = 0;
};

}  // namespace tarn
