#include "Mp3File.h"

#include <sndfile.h>
#include <vector>

namespace qor::music {

bool writeMp3(const StereoSignal& signal, const std::string& path) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        return false;

    constexpr std::size_t block = 4096;
    std::vector<float> interleaved(2 * block);
    bool written = true;
    for (std::size_t first = 0; written && first < signal.frames(); first += block) {
        const std::size_t count = std::min(block, signal.frames() - first);
        for (std::size_t i = 0; i < count; ++i) {
            interleaved[2 * i] = signal.left[first + i];
            interleaved[2 * i + 1] = signal.right[first + i];
        }
        const auto frames = static_cast<sf_count_t>(count);
        written = sf_writef_float(file, interleaved.data(), frames) == frames;
    }
    // Closing flushes the coder's last frames, so its result counts too.
    return sf_close(file) == 0 && written;
}

} // namespace qor::music
