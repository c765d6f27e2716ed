#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>
#include <QUrl>

namespace qor {

namespace {

// A folder as program text with '/' at the end; empty when its name cannot
// be written in the program's code page.
std::string programFolder(const QString& folder) {
    if (folder.isEmpty())
        return {};
    const auto path = fromNativePath(folder.toStdString());
    return path ? includeTrailingSeparator(*path) : std::string();
}

} // namespace

std::string DesktopShell::shortcutFolder(int kind) const {
    switch (kind) {
    case ShortcutFolder::Desktop: {
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        return QDir(desktop).exists() ? programFolder(desktop) : std::string();
    }
    case ShortcutFolder::Programs: {
        const QString programs =
            QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        return !programs.isEmpty() && QDir().mkpath(programs) ? programFolder(programs)
                                                              : std::string();
    }
    default:
        return {};
    }
}

bool DesktopShell::openUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(toQString(url)));
}

} // namespace qor
