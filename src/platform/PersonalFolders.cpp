#include "platform/PersonalFolders.h"

#include "platform/FileSystem.h"

#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace qor {

namespace {

std::optional<std::string> fromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    if (!value || !*value)
        return std::nullopt;
    return fromNativePath(value);
}

std::string homeDirectory() {
    auto home = fromEnvironment("HOME");
    if (!home) {
        if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
            home = fromNativePath(user->pw_dir);
    }
    return includeTrailingSeparator(home.value_or(""));
}

// $variable/qor, else the folder below the home directory.
std::string baseFolder(const char* variable, const char* belowHome) {
    if (const auto dir = fromEnvironment(variable))
        return includeTrailingSeparator(*dir) + "qor/";
    return homeDirectory() + belowHome + "qor/";
}

} // namespace

std::string PersonalConfigDirectory() {
    if (const auto dir = fromEnvironment("QOR_CONFIG_DIR"))
        return includeTrailingSeparator(*dir);
    return baseFolder("XDG_CONFIG_HOME", ".config/");
}

std::string PersonalDataDirectory() {
    return baseFolder("XDG_DATA_HOME", ".local/share/");
}

} // namespace qor
