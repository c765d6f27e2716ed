#include "core/ProgramLocation.h"

#include "platform/FileSystem.h"

#include <algorithm>
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

std::string InstalledDataDirFor(const std::string& executablePath,
                                std::string_view dataFromBinaries) {
    std::string dir = extractFileDir(executablePath);
    while (!dataFromBinaries.empty()) {
        const std::size_t end = std::min(dataFromBinaries.find('/'), dataFromBinaries.size());
        const std::string_view step = dataFromBinaries.substr(0, end);
        dataFromBinaries.remove_prefix(std::min(end + 1, dataFromBinaries.size()));
        if (step == "..") {
            // The root has no parent: "/.." is "/", as the file system has it.
            if (dir.size() > 1)
                dir = extractFileDir(std::string_view(dir).substr(0, dir.size() - 1));
        } else if (!step.empty() && step != ".") {
            dir = includeTrailingSeparator(dir + std::string(step));
        }
    }
    return dir;
}

std::string ProgramDirFor(const std::string& executablePath) {
    const char* home = std::getenv("QOR_HOME");
    const std::string qorHome = home ? fromNativePath(home).value_or(std::string()) : std::string();
    return ResolveProgramDir(qorHome, InstalledDataDirFor(executablePath, QOR_DATA_FROM_BINARIES),
                             executablePath);
}

} // namespace qor
