#pragma once
// How the page engine sends MCI command strings (sounds of links, the
// "close welle" of a cleared page): a failure that is not quiet is told in
// the page engine's information box, with the error text. The answer is the
// interpreter's (see IsMciError).

#include <string>

namespace qor {

std::string SendPageMci(const std::string& command, bool quiet = false);

} // namespace qor
