#pragma once
// The open and save dialogs windows and data objects ask for file names
// with. The program installs the Qt dialogs; tests install scripted
// ones that answer from a list and record what was asked.

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qor {

struct FileDialogRequest {
    std::string title;     // empty: the platform's default title
    std::string directory; // where the dialog starts; empty: anywhere
    std::string fileName;  // the proposed name, without directory
    std::string filter;    // description with its pattern, e.g. "QOR Datenbank (*.qor)"
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen full path (program text), or nothing when cancelled.
    virtual std::optional<std::string> saveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> openFileName(const FileDialogRequest& request) = 0;
};

// The dialogs every request goes to. Without any, every dialog is cancelled.
void setFileDialogs(FileDialogs* dialogs);
FileDialogs* fileDialogs();

std::optional<std::string> askSaveFileName(const FileDialogRequest& request);
std::optional<std::string> askOpenFileName(const FileDialogRequest& request);

class ScriptedFileDialogs : public FileDialogs {
public:
    // Installs itself and restores the previous dialogs when destroyed.
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    // The next answers in order (nothing = cancel); an empty script cancels.
    void answer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }

    std::optional<std::string> saveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> openFileName(const FileDialogRequest& request) override;

    const std::vector<FileDialogRequest>& asked() const { return asked_; }

private:
    std::optional<std::string> next(const FileDialogRequest& request);

    FileDialogs* previous_;
    std::deque<std::optional<std::string>> answers_;
    std::vector<FileDialogRequest> asked_;
};

} // namespace qor
