// Any bytes as a sound database file, packed or plain: it must read without
// harm; what a packed file yields must pack and read back the same; and the
// database built from it must look up, sort and search without harm. The
// file is then loaded as at start-up, changed and saved: a damaged file is
// kept beside the new one, and what is saved reads back whole.

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "core/Configuration.h"
#include "platform/DataFileSave.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
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

std::string directory;

// Load, change, save: what start-up, the management window and shutdown do.
void loadAndSave(const std::string& path, std::string_view fileBytes,
                 const WaveBaseContent& content, Configuration& config) {
    fuzz::writeFile(path, fileBytes);
    ScriptedMessages messages;
    TXWaveBase base(config);
    base.Load(path);
    TXWaveBase expected(config);
    for (const SoundEntry& entry : content.entries)
        expected.AddEntry(entry.Text, entry.Datei);
    QOR_FUZZ_CHECK(sameEntries(base.Entries(), expected.Entries()));
    QOR_FUZZ_CHECK(messages.shown().empty() == content.complete);
    QOR_FUZZ_CHECK(!base.Modified());

    base.InsertNew();
    base.SetText("neu");
    base.SetDatei("neu.wav");
    messages.answer(MessageResult::Yes);
    base.SaveIfChanged();
    const std::string saved = base.SavedFileName();
    QOR_FUZZ_CHECK(!saved.empty());
    const std::optional<std::string> written = readFile(saved);
    QOR_FUZZ_CHECK(written.has_value());
    const WaveBaseContent again = parsePackedWaveBase(*written);
    QOR_FUZZ_CHECK(again.complete && sameEntries(again.entries, base.Entries()));
    const bool damaged = !content.complete && saved == path;
    QOR_FUZZ_CHECK(fileExists(path + ".bak") == damaged);
    if (damaged)
        QOR_FUZZ_CHECK(readFile(path + ".bak") == std::string(fileBytes));
    removeFile(path + ".bak");
    removeFile(packedDataFileName(path));
    removeFile(path);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    directory = fuzz::makeDirectory("fuzz-wavebase");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the reader: a packed file as it is, the content of
    // a packed file (packed here, to reach the pairs quickly), or a plain file.
    const int mode = data[0] % 3;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    WaveBaseContent content;
    const std::string fileBytes = mode == 1 ? deflateZlib(bytes) : std::string(bytes);
    if (mode == 2) {
        content = parsePlainWaveBase(bytes);
    } else {
        content = parsePackedWaveBase(fileBytes);
        if (content.complete) {
            const WaveBaseContent again = parsePackedWaveBase(packWaveBase(content.entries));
            QOR_FUZZ_CHECK(again.complete);
            QOR_FUZZ_CHECK(sameEntries(again.entries, content.entries));
        }
    }

    MemoryRegistry registry;
    Configuration config(registry, "/nonexistent/qor", "/nonexistent/");
    loadAndSave(directory + (mode == 2 ? "wavebase.txt" : "s_w.qor"), fileBytes, content, config);

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
