#pragma once
// Where the program's data lives: $QOR_HOME when set, else the installed data
// directory when it exists, else the directory of the executable (the build
// tree, where the build lays out the sample installation beside the binary).
// The installed data directory is found from the executable's own place
// (<prefix>/bin -> <prefix>/share/qor-spanisch), so that an installation
// works wherever it was put: any prefix, a staging folder, an unpacked package.

#include <string>
#include <string_view>

namespace qor {

// All arguments are program paths; the result ends in '/'.
std::string ResolveProgramDir(const std::string& qorHome, const std::string& installedDataDir,
                              const std::string& executablePath);

// The executable's directory followed by the relative path from the installed
// binaries to the installed data; ".." steps are resolved. Ends in '/'.
std::string InstalledDataDirFor(const std::string& executablePath,
                                std::string_view dataFromBinaries);

// The same from the environment and the layout the build was configured with.
std::string ProgramDirFor(const std::string& executablePath);

} // namespace qor
