#pragma once
// Recordings are stored by reference, not by absolute path: the prefixes
// "XS:", "XU:", "XR:" and "XW:" name the medium's sound directory, the user's
// own recordings and the two optional recording directories, so the same
// database works wherever those directories are.

#include <string>
#include <string_view>

namespace qor {

class Configuration;

namespace SoundStatus {
constexpr int Found = 0;
constexpr int MediumMissing = 2; // known to callers; the resolver below never gives it
constexpr int NotFound = 4;      // no such file, an empty reference, or "XS:" without WaveDir
constexpr int NotConfigured = 5; // the directory of "XU:", "XR:" or "XW:" is not set
} // namespace SoundStatus

struct ResolvedSound {
    std::string path; // only with SoundStatus::Found
    int status = SoundStatus::NotFound;
};

// The file a reference names. A reference without a known prefix is a path
// of its own; only an absolute one can name a file, since the working
// directory means nothing to a stored reference.
ResolvedSound Resolve(std::string_view reference, const Configuration& config);

} // namespace qor
