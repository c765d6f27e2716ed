#pragma once
// The command line of qor-pack, kept apart from main() so that tests can run
// every command in-process.

#include <iosfwd>
#include <string>
#include <vector>

namespace qor::pack {

// Exit codes of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // bad input, unreadable or unwritable file
inline constexpr int kExitUsage = 2;  // unknown command or wrong arguments

// Runs one command (args without the program name). Help goes to out,
// messages about failures to err.
int runPackTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace qor::pack
