#pragma once
// "qor-page check": a page tree against what the program expects of it.

#include <ostream>
#include <string>

namespace qor::pagetool {

// Writes one line per finding and a summary. The result is the exit status:
// 1 when a page does not parse cleanly; missing pages, pictures and styles
// are reported without failing, as the tree is still growing.
int checkTree(const std::string& pageDir, std::ostream& out);

} // namespace qor::pagetool
