#include "platform/QtFileDialogs.h"

#include "platform/QtText.h"

#include <QFileDialog>

namespace qor {

namespace {

// Where the dialog starts: the directory with the proposed name, unless the
// name is a pattern, which the filter already expresses.
QString startPath(const FileDialogRequest& request) {
    const bool isPattern = request.fileName.find('*') != std::string::npos;
    return toQString(request.directory + (isPattern ? std::string() : request.fileName));
}

// A chosen name that cannot be program text is treated like a cancel: it
// could not be stored or opened again under the same name.
std::optional<std::string> chosenPath(const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    return fromQStringExact(name);
}

} // namespace

std::optional<std::string> QtFileDialogs::saveFileName(const FileDialogRequest& request) {
    return chosenPath(QFileDialog::getSaveFileName(parent_, toQString(request.title),
                                                   startPath(request), toQString(request.filter)));
}

std::optional<std::string> QtFileDialogs::openFileName(const FileDialogRequest& request) {
    return chosenPath(QFileDialog::getOpenFileName(parent_, toQString(request.title),
                                                   startPath(request), toQString(request.filter)));
}

} // namespace qor
