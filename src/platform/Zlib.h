#pragma once
// Raw zlib streams (RFC 1950): the packed pages, data files and resources.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

struct InflateResult {
    bool ok = false;
    std::string data;  // everything inflated, also the part before a failure
    std::string error; // zlib's message when !ok
};

// Inflates in chunks of 4096 bytes until the stream ends or yields no more.
// More than maxSize bytes of output is a failure: the data holds the first
// maxSize bytes.
InflateResult inflateZlib(std::string_view packed, std::size_t maxSize = SIZE_MAX);

// Deflates at zlib's default level.
std::string deflateZlib(std::string_view data);

} // namespace qor
