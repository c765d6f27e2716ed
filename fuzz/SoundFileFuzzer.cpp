// Any bytes as a sound file (wave, MP3, whatever libsndfile reads), decoded
// to its end in the chunks playing reads and sought in, then opened through
// the MCI interpreter as the program opens recordings: length, mode,
// position, seeking. The first byte chooses the file's extension. Playing
// itself is left out: SDL lets every closed device drain for two buffers
// (some 50 ms), which would make the run twenty times slower.

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "platform/mci/Mci.h"
#include "platform/mci/SoundFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace qor;

namespace {

std::string directory;

// Every frame once, in chunks as playing reads them; bounded for files that
// claim more than they hold.
void decode(SoundFileReader& reader, unsigned setup) {
    std::vector<float> buffer(static_cast<std::size_t>(1024 * reader.channels()));
    std::int64_t total = 0;
    for (int chunk = 0; chunk < 512; ++chunk) {
        const std::int64_t got = reader.read(buffer.data(), 1024);
        QOR_FUZZ_CHECK(got >= 0 && got <= 1024);
        total += got;
        if (got < 1024)
            break;
    }
    if (reader.seek(total / 2 + setup))
        reader.read(buffer.data(), 1024);
    reader.seek(0);
}

void send(const std::string& command) {
    (void)mciSend(command);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    directory = fuzz::makeDirectory("fuzz-sound-file");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const unsigned setup = data[0];
    static constexpr std::array<const char*, 4> extensions{".wav", ".mp3", ".WAV", ""};
    const std::string path = directory + "welle" + extensions[setup % extensions.size()];
    fuzz::writeFile(path, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    if (const auto reader = SoundFileReader::open(path))
        decode(*reader, setup);

    send("open \"" + path + "\" alias welle");
    const MciAnswer length = mciSend("status welle length");
    send("set welle time format milliseconds");
    send("status welle mode");
    // A position from the file's last bytes, as a script might send any number.
    std::uint64_t target = 0;
    for (std::size_t i = size > 8 ? size - 8 : 1; i < size; ++i)
        target = target << 8 | data[i];
    send("seek welle to " + std::to_string(setup & 8 ? target : target % 100000));
    send("status welle position");
    if (length.ok())
        send("seek welle to end");
    send("close welle");
    std::remove(path.c_str());
    return 0;
}
