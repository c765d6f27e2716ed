#pragma once
// The program's open and save dialogs: Qt's file dialogs.

#include "platform/FileDialogs.h"

class QWidget;

namespace qor {

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    std::optional<std::string> saveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> openFileName(const FileDialogRequest& request) override;

private:
    QWidget* parent_;
};

} // namespace qor
