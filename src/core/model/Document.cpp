#include "model/Document.h"

#include "model/DefaultImage.h"
#include "model/DefaultImageFiles.h"
#include "model/FileChecks.h"
#include "model/ImageCodec.h"
#include "model/ImageFile.h"
#include "ui/StringIds.h"
#include "ui/StringTable.h"

namespace tarn {
namespace {

FileDialogRequest ImageFileRequest() {
    FileDialogRequest request;
    request.filter = std::string(kImageFileFilter);
    request.defaultExtension = std::string(kImageFileExtension);
    return request;
}

}  // namespace

Document::Document(Prompter& prompter, std::string executableFolder)
    : prompter_(prompter), executableFolder_(std::move(executableFolder)) {
    FillDefaultImage(content_);
}

void Document::SetCurrentFilePath(std::string path) {
    currentFilePath_ = std::move(path);
    observer_->TitleChanged(Title());
}

void Document::SetModified(bool modified) {
    modified_ = modified;
    if (!modified) history_.MarkSaved();
}

void Document::RecordEdit(DocumentContent before, std::string label) {
    history_.Record(std::move(before), std::move(label));
    observer_->HistoryChanged();
}

bool Document::Undo() { return MoveInHistory(&EditHistory::Undo); }
bool Document::Redo() { return MoveInHistory(&EditHistory::Redo); }

bool Document::MoveInHistory(bool (EditHistory::*move)(DocumentContent&)) {
    if (!(history_.*move)(content_)) return false;
    modified_ = !history_.AtSavedState();
    observer_->RefreshAllViews();
    observer_->HistoryChanged();
    return true;
}

void Document::ClearHistory() {
    history_.Clear();
    observer_->HistoryChanged();
}

void Document::DecodeImage() { tarn::DecodeImage(content_); }

void Document::EncodeImage() { tarn::EncodeImage(content_); }

void Document::NewDocument() {
    modified_ = false;
    currentFilePath_ = std::string(kNoFilePath);
    LoadDocumentImage();
}

bool Document::OpenDocument(const std::string& path) {
    // A file that cannot be read is refused before anything is replaced.
    if (FileIsReadable(path) != FileCheck::Ok) {
        prompter_.Tell(FormatString(kStrProblemOpeningFile, path), MessageIcon::Stop);
        return false;
    }
    modified_ = false;
    currentFilePath_ = path;
    LoadDocumentImage();
    // A file that turned out unreadable left a new document tied to no file: it is no recent file.
    if (defaultImageLoaded_) observer_->AddRecentFile(path);
    observer_->RefreshAllViews();
    return true;
}

void Document::ReplaceDocument(const std::string& path) {
    modified_ = false;
    currentFilePath_ = path;
    LoadDocumentImage();
    observer_->RefreshAllViews();
}

void Document::LoadDocumentImage() {
    FillDefaultImage(content_);
    defaultImageLoaded_ = false;
    if (currentFilePath_ != kNoFilePath) {
        if (FileIsReadable(currentFilePath_) == FileCheck::Ok) defaultImageLoaded_ = true;
    } else {
        bool found = false;
        for (std::size_t index : kDefaultImageSearchOrder) {
            if ((found = FindDefaultImageFile(index))) break;
        }
        if (!found) {
            // The built-in default is written for the user to find, but never over a file of that name.
            const std::string name(kDefaultImageWriteName);
            if (!PathExists(name)) WriteDefaultImageFile(name);
            currentFilePath_ = std::string(kNoFilePath);
        }
    }
    if (defaultImageLoaded_) {
        // The read goes to a buffer first: a failed read leaves the defaults, tied to no file, so that a
        // later Save can never write them over the file that could not be read.
        defaultImageLoaded_ = ReadImageFile(currentFilePath_, content_.Image, content_.Trailer, prompter_);
        if (defaultImageLoaded_) {
            DecodeImage();
        } else {
            currentFilePath_ = std::string(kNoFilePath);
        }
    }
    ClearHistory();
    observer_->TitleChanged(Title());
    observer_->ChooseCommandTable();
}

bool Document::FindDefaultImageFile(std::size_t index) {
    const std::string path = DefaultImageFilePath(executableFolder_, index);
    defaultImageLoaded_ = FileIsReadable(path) == FileCheck::Ok;
    if (defaultImageLoaded_) currentFilePath_ = path;
    return defaultImageLoaded_;
}

bool Document::WriteDefaultImageFile(const std::string& fileName) {
    EncodeImage();
    if (fileName.empty()) {
        prompter_.Tell(FormatString(kStrProblemOpeningFile, currentFilePath_), MessageIcon::Stop);
        SetCurrentFilePath(std::string(kNoFilePath));
        return false;
    }
    if (!WriteImageFile(fileName, content_.Image, content_.Trailer, prompter_)) return false;
    SetModified(false);
    SetCurrentFilePath(std::string(kNoFilePath));
    return true;
}

void Document::New() {
    if (!PromptSaveModified()) return;
    ReplaceDocument(std::string(kNoFilePath));
}

void Document::Open() {
    FileDialogRequest request = ImageFileRequest();
    request.mustExist = true;
    const auto chosen = prompter_.ChooseFileToOpen(request);
    if (!chosen || chosen->empty()) return;
    const std::string& path = *chosen;
    if (!CheckImageFileToOpen(path, prompter_) || !PromptSaveModified()) return;
    if (path != currentFilePath_) {
        OpenDocument(path);
    } else {
        ReplaceDocument(path);
    }
}

bool Document::Save() {
    if (!CheckFileWritable(currentFilePath_, prompter_)) return false;
    if (IsDefaultImageFileName(currentFilePath_) &&
        prompter_.AskYesNo(std::string(LoadString(kStrWriteDefaultFile)), MessageIcon::Question) != Answer::Yes) {
        return false;
    }
    EncodeImage();
    if (currentFilePath_.empty() || currentFilePath_ == kNoFilePath) return SaveAs();
    if (!WriteImageFile(currentFilePath_, content_.Image, content_.Trailer, prompter_)) return false;
    SetModified(false);
    observer_->TitleChanged(Title());
    observer_->RefreshAllViews();
    return true;
}

bool Document::SaveAs() {
    FileDialogRequest request = ImageFileRequest();
    request.promptOverwrite = true;
    request.promptCreate = true;
    const auto chosen = prompter_.ChooseFileToSave(request);
    // The whole chosen path is kept, however long it is.
    if (!chosen || chosen->empty() || *chosen == kNoFilePath) return false;
    // Until the file is written the document stays tied to the file it had, so the title never names
    // a file that was not written and Save goes on writing where it did.
    const std::string previousPath = currentFilePath_;
    SetCurrentFilePath(*chosen);
    if (Save()) {
        observer_->AddRecentFile(currentFilePath_);
        return true;
    }
    SetCurrentFilePath(previousPath);
    return false;
}

bool Document::PromptSaveModified() {
    if (!modified_) return true;
    const Answer answer =
        prompter_.AskYesNoCancel(FormatString(kStrSaveChanges, currentFilePath_), MessageIcon::Question);
    if (answer == Answer::Cancel) return false;
    // After Yes the asking command goes on only when the file was really written.
    if (answer == Answer::Yes && !SaveAs()) return false;
    modified_ = false;
    return true;
}

}  // namespace tarn
