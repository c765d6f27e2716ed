#pragma once
// Desktop services: the web browser and program shortcuts. Shortcuts are
// freedesktop .desktop files; the folders come from the XDG user directories.

#include <string>

namespace qor {

namespace ShortcutFolder {
constexpr int Desktop = 0;
constexpr int QuickLaunch = 1;
constexpr int SendTo = 2;
constexpr int StartMenu = 3;
constexpr int Programs = 4;
} // namespace ShortcutFolder

class ShellServices {
public:
    virtual ~ShellServices() = default;
    // The folder of a shortcut kind with '/' at the end, or empty when the
    // desktop has no such folder.
    virtual std::string shortcutFolder(int kind) const = 0;
    virtual bool openUrl(const std::string& url) = 0;
};

// The real desktop: the XDG desktop folder for kind 0, the user's
// applications folder (~/.local/share/applications) for kind 4, none else.
class DesktopShell : public ShellServices {
public:
    std::string shortcutFolder(int kind) const override;
    bool openUrl(const std::string& url) override;
};

// Creates a shortcut to target titled title in the folder of kind: the file
// is first written under the target's own name, then renamed to title, an
// existing shortcut of that title being replaced. Nothing happens when the
// folder kind has no folder. False when the file could not be written.
bool CreateShortcut(ShellServices& shell, const std::string& target, const std::string& title,
                    int kind);

} // namespace qor
