#pragma once
// The command line as a desktop program's users expect it, besides the start
// modes "editor" and "register" that StartUp reads: --help and --version
// print and end the run, an option the program does not know ends it with
// status 2.

#include <optional>
#include <string>
#include <vector>

namespace qor {

// Before Qt starts: answers --help and --version (-h, -v), which need no
// display, on standard output. The exit status when the run ends here.
std::optional<int> AnswerInformationRequest(const std::vector<std::string>& arguments);

// Once Qt has taken its own options (-platform, -style, ...) out of the
// arguments (program text): refuses any other argument beginning with '-'
// on standard error. The exit status when the run ends here.
std::optional<int> RefuseUnknownOption(const std::vector<std::string>& arguments);

} // namespace qor
