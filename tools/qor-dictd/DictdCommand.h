#pragma once
// The command line of qor-dictd, kept apart from main() so that tests can
// run it in-process.

#include <iosfwd>
#include <string>
#include <vector>

namespace qor::dictd {

// Exit codes of the tool, as qor-pack's.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // bad input, unreadable or unwritable file
inline constexpr int kExitUsage = 2;  // wrong arguments

// Runs the tool (args without the program name). Help and the counts of
// the conversion go to out, messages about failures to err.
int runDictdTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace qor::dictd
