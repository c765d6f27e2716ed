#include "sound/WaveBaseResolve.h"

#include "core/Configuration.h"
#include "platform/FileSystem.h"

namespace qor {

namespace {

// The base directory a prefix stands for; nullptr for no prefix.
const std::string* baseDirectory(std::string_view prefix, const Configuration& config) {
    if (prefix == "XS:")
        return &config.WaveDir;
    if (prefix == "XU:")
        return &config.OwnWaveDir;
    if (prefix == "XR:")
        return &config.LawRecordingDir;
    if (prefix == "XW:")
        return &config.BusinessRecordingDir;
    return nullptr;
}

} // namespace

ResolvedSound Resolve(std::string_view reference, const Configuration& config) {
    ResolvedSound result;
    if (reference.empty())
        return result;

    std::string path;
    if (const std::string* base = baseDirectory(reference.substr(0, 3), config)) {
        // The fourth character is the separator after the prefix.
        const std::string_view rest = reference.size() > 4 ? reference.substr(4) : "";
        if (!base->empty()) {
            path = *base + normalizeSeparators(rest);
        } else if (reference.starts_with("XS:")) {
            return result;
        } else {
            result.status = SoundStatus::NotConfigured;
            path = normalizeSeparators(reference);
        }
    } else {
        path = normalizeSeparators(reference);
    }
    if (isAbsolutePath(path) && fileExists(path)) {
        result.status = SoundStatus::Found;
        result.path = path;
    }
    return result;
}

} // namespace qor
