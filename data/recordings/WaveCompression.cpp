#include "WaveCompression.h"

#include <memory>
#include <sndfile.h>
#include <vector>

namespace qor::recordings {

namespace {

struct CloseSoundFile {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, CloseSoundFile>;

} // namespace

bool compressToAdpcm(const std::string& source, const std::string& target) {
    SF_INFO in{};
    const SoundFile input(sf_open(source.c_str(), SFM_READ, &in));
    if (!input)
        return false;
    SF_INFO out{};
    out.samplerate = in.samplerate;
    out.channels = in.channels;
    out.format = SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM;
    const SoundFile output(sf_open(target.c_str(), SFM_WRITE, &out));
    if (!output)
        return false;
    std::vector<short> buffer(4096 * static_cast<std::size_t>(in.channels));
    const auto frames = static_cast<sf_count_t>(buffer.size()) / in.channels;
    for (sf_count_t read = 0; (read = sf_readf_short(input.get(), buffer.data(), frames)) > 0;)
        if (sf_writef_short(output.get(), buffer.data(), read) != read)
            return false;
    return true;
}

} // namespace qor::recordings
