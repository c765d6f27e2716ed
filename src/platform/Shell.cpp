#include "platform/Shell.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <filesystem>

namespace qor {

namespace {

// A string value of a desktop entry: backslash and line breaks escaped.
std::string desktopString(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

// The program as the one word of an Exec line: always quoted, with the
// characters special inside quotes escaped and '%' doubled so that no part
// of a path reads as a field code.
std::string execArgument(std::string_view program) {
    std::string out = "\"";
    for (const char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            out.push_back('\\');
        out.push_back(c);
        if (c == '%')
            out.push_back('%');
    }
    out.push_back('"');
    return out;
}

std::string desktopEntry(const std::string& target, const std::string& title) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           desktopString(cp1252ToUtf8(title)) +
           "\n"
           "Exec=" +
           desktopString(execArgument(cp1252ToUtf8(target))) +
           "\n"
           "Terminal=false\n";
}

// Desktops start only launchers that are marked executable.
bool makeExecutable(const std::string& path) {
    std::error_code error;
    using std::filesystem::perms;
    std::filesystem::permissions(toNativePath(path),
                                 perms::owner_exec | perms::group_exec | perms::others_exec,
                                 std::filesystem::perm_options::add, error);
    return !error;
}

} // namespace

bool CreateShortcut(ShellServices& shell, const std::string& target, const std::string& title,
                    int kind) {
    const std::string folder = shell.shortcutFolder(kind);
    if (folder.empty())
        return true;
    const std::string saved = folder + changeFileExt(extractFileName(target), ".desktop");
    if (!writeFileAtomic(saved, desktopEntry(target, title)) || !makeExecutable(saved))
        return false;

    const std::string titled = folder + title + ".desktop";
    if (titled == saved)
        return true;
    if (fileExists(titled))
        removeFile(titled); // a failure shows in the rename
    return renameFile(saved, titled);
}

} // namespace qor
