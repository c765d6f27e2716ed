#include "core/ProgramLocation.h"

#include "platform/FileSystem.h"

#include <cstdlib>

namespace qor {

std::string ResolveProgramDir(const std::string& qorHome, const std::string& installedDataDir,
                              const std::string& executablePath) {
    if (!qorHome.empty())
        return includeTrailingSeparator(qorHome);
    if (!installedDataDir.empty() && directoryExists(installedDataDir))
        return includeTrailingSeparator(installedDataDir);
    return extractFileDir(executablePath);
}

std::string ProgramDirFor(const std::string& executablePath) {
    const char* home = std::getenv("QOR_HOME");
    const std::string qorHome = home ? fromNativePath(home).value_or(std::string()) : std::string();
    return ResolveProgramDir(qorHome, QOR_INSTALLED_DATA_DIR, executablePath);
}

} // namespace qor
