#pragma once
// Re-encodes a wave file as IMA ADPCM (4 bits a sample), which the program
// plays through libsndfile like plain PCM at a quarter of the size.

#include <string>

namespace qor::recordings {

// False when source cannot be read or target cannot be written; paths are
// the build machine's own (UTF-8).
bool compressToAdpcm(const std::string& source, const std::string& target);

} // namespace qor::recordings
