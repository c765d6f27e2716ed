#include "page/model/PageFileNames.h"

#include "platform/FileSystem.h"

#include <cstdio>

namespace qor {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The folder above dir ("a/b/" -> "a/"); the root and an empty folder stay.
std::string parentDirectory(std::string_view dir) {
    if (dir.size() <= 1)
        return std::string(dir);
    const std::size_t slash = dir.rfind('/', dir.size() - 2);
    return slash == std::string_view::npos ? std::string() : std::string(dir.substr(0, slash + 1));
}

} // namespace

std::string ExpandPageFileName(std::string_view name, std::string_view pageDirectory) {
    const bool keep = !name.empty() && name.front() == '*';
    if (keep)
        name.remove_prefix(1);
    name = name.substr(0, name.find('@'));

    if (name.substr(0, 2) == "ex") {
        const std::size_t file = name.find("file=");
        if (file == std::string_view::npos)
            return {};
        name = name.substr(file + 5);
        name = name.substr(0, name.find(' '));
    }

    // A '\' in front means the page folder, as it always did; a '/' in
    // front is an absolute path of this system.
    const bool inPageFolder = !name.empty() && name.front() == '\\';
    std::string relative = normalizeSeparators(name);
    const bool hasDrive = relative.size() >= 2 && relative[1] == ':';

    std::string path;
    if (inPageFolder) {
        std::string_view dir = pageDirectory;
        if (!dir.empty() && dir.back() == '/')
            dir.remove_suffix(1);
        path = std::string(dir) + relative;
    } else if (isAbsolutePath(relative) || hasDrive) {
        path = relative;
    } else {
        std::string dir(pageDirectory);
        std::string_view rest = relative;
        while (rest.substr(0, 3) == "../") {
            dir = parentDirectory(dir);
            rest.remove_prefix(3);
        }
        path = dir + std::string(rest);
    }
    return keep ? "*" + path : path;
}

std::string StepPageFileName(std::string_view fileName, bool forward) {
    const std::size_t dot = fileName.find('.');
    const std::string_view stem = fileName.substr(0, dot);
    const std::string_view rest =
        dot == std::string_view::npos ? std::string_view() : fileName.substr(dot);

    std::size_t digits = 0;
    if (stem.size() >= 2 && isDigit(stem[stem.size() - 1]) && isDigit(stem[stem.size() - 2]))
        digits = 2;
    else if (!stem.empty() && isDigit(stem.back()))
        digits = 1;

    int number = 0;
    for (char c : stem.substr(stem.size() - digits))
        number = number * 10 + (c - '0');
    number += forward ? 1 : -1;

    char text[16];
    std::snprintf(text, sizeof text, digits == 2 ? "%02d" : "%d", number);
    return std::string(stem.substr(0, stem.size() - digits)) + text + std::string(rest);
}

} // namespace qor
