// Any bytes as a sound database file, packed or plain: it must read without
// harm; what a packed file yields must pack and read back the same; and the
// database built from it must look up, sort and search without harm.

#include "FuzzCheck.h"
#include "core/Configuration.h"
#include "platform/Registry.h"
#include "platform/Zlib.h"
#include "sound/WaveBase.h"
#include "sound/WaveBaseFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace qor;

namespace {

bool sameEntries(const std::vector<SoundEntry>& a, const std::vector<SoundEntry>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Text != b[i].Text || a[i].Datei != b[i].Datei)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the reader: a packed file as it is, the content of
    // a packed file (packed here, to reach the pairs quickly), or a plain file.
    const int mode = data[0] % 3;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    WaveBaseContent content;
    if (mode == 2) {
        content = parsePlainWaveBase(bytes);
    } else {
        content = parsePackedWaveBase(mode == 0 ? std::string(bytes) : deflateZlib(bytes));
        if (content.complete) {
            const WaveBaseContent again = parsePackedWaveBase(packWaveBase(content.entries));
            QOR_FUZZ_CHECK(again.complete);
            QOR_FUZZ_CHECK(sameEntries(again.entries, content.entries));
        }
    }

    MemoryRegistry registry;
    Configuration config(registry, "/nonexistent/qor", "/nonexistent/");
    TXWaveBase base(config);
    for (const SoundEntry& entry : content.entries)
        base.AddEntry(entry.Text, entry.Datei);
    if (base.Count() > 0) {
        const std::string text = base.Entries().front().Text;
        // The first entry answers for its own text.
        QOR_FUZZ_CHECK(text.empty() || base.LookUp(text, true) == base.Entries().front().Datei);
        base.LookUp(std::string(bytes.substr(0, 40)), false);
        base.Sort();
        base.GoToText(text);
        QOR_FUZZ_CHECK(base.Current() >= 0 && base.Current() < base.Count());
        base.RebaseReferences(std::string(bytes.substr(0, 3)));
        base.SoundLink(text);
    }
    return 0;
}
