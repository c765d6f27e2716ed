#include "platform/FileDialogs.h"

namespace qor {

namespace {
FileDialogs* installed = nullptr;
} // namespace

void setFileDialogs(FileDialogs* dialogs) {
    installed = dialogs;
}

FileDialogs* fileDialogs() {
    return installed;
}

std::optional<std::string> askSaveFileName(const FileDialogRequest& request) {
    return installed ? installed->saveFileName(request) : std::nullopt;
}

std::optional<std::string> askOpenFileName(const FileDialogRequest& request) {
    return installed ? installed->openFileName(request) : std::nullopt;
}

ScriptedFileDialogs::ScriptedFileDialogs() : previous_(fileDialogs()) {
    setFileDialogs(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs() {
    setFileDialogs(previous_);
}

std::optional<std::string> ScriptedFileDialogs::saveFileName(const FileDialogRequest& request) {
    return next(request);
}

std::optional<std::string> ScriptedFileDialogs::openFileName(const FileDialogRequest& request) {
    return next(request);
}

std::optional<std::string> ScriptedFileDialogs::next(const FileDialogRequest& request) {
    asked_.push_back(request);
    if (answers_.empty())
        return std::nullopt;
    std::optional<std::string> result = std::move(answers_.front());
    answers_.pop_front();
    return result;
}

} // namespace qor
