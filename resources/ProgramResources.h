#pragma once
// The program's built-in resources: text tables that the build converts to
// Windows-1252, packs with zlib and compiles into the binary. Each has a
// number; TZIPResource (page/ZipResource.h) reads one line by line.

#include <string_view>

namespace qor {

// The packed bytes of a resource; empty when the program has none of that number.
std::string_view programResource(int number);

} // namespace qor
