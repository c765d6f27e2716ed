#pragma once
// Where the program's data lives: $QOR_HOME when set, else the installed data
// directory when it exists, else the directory of the executable (the build
// tree, where the build lays out the sample installation beside the binary).

#include <string>

namespace qor {

// All arguments are program paths; the result ends in '/'.
std::string ResolveProgramDir(const std::string& qorHome, const std::string& installedDataDir,
                              const std::string& executablePath);

// The same from the environment and the data directory the build was configured with.
std::string ProgramDirFor(const std::string& executablePath);

} // namespace qor
