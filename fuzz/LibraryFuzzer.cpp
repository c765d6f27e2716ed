// Any bytes as a library file (".asc") or as delimited text to import: they
// must read without harm; what the library reader yields must write and read
// back the same; the library loads or imports the file as the program does
// and holds what the reader yielded; and it must sort, remove duplicates,
// reverse and count without harm.

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/LibraryFile.h"
#include "vocabulary/LibraryImport.h"
#include "vocabulary/LibraryInfo.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

using namespace qor;

namespace {

constexpr const char* ImportColumns = "Vokabel,Bedeutung,Bedeutung,Wortart,Kontext,Deutsch";

std::string directory;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    directory = fuzz::makeDirectory("fuzz-library");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    // The first byte picks the reader; for the import it is also the separator.
    const char separator = static_cast<char>(data[1]);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 2), size - 2);

    std::vector<TVokabel> entries;
    if (data[0] % 2 == 0) {
        entries = ReadLibraryText(bytes).entries;
        // A first meaning that begins ".wav" reads as the old recording
        // line it looks like: the format has no way to write it.
        const bool writable = std::none_of(entries.begin(), entries.end(), [](const TVokabel& e) {
            return e.Bedeutung[0].starts_with(".wav");
        });
        const LibraryText again = ReadLibraryText(WriteLibraryText(entries));
        QOR_FUZZ_CHECK(!writable || again.complete);
        QOR_FUZZ_CHECK(!writable || again.entries.size() == entries.size() ||
                       (again.entries.size() + 1 == entries.size() && entries.back().IsEmpty()));
    } else {
        entries = ImportDelimitedText(bytes, ImportColumns, separator);
        for (const TVokabel& entry : entries)
            QOR_FUZZ_CHECK(!entry.IsEmpty() && entry.Wortart <= 6 && entry.Schwierigkeit <= 4);
    }

    ScriptedMessages messages;
    MemoryRegistry registry;
    TBibliothek library(std::make_unique<TLastFiles>(registry));
    // A shuffle draws again when both picks are the same: the numbers must vary.
    library.setRandomSource([next = 0](int range) mutable { return next++ % range; });
    const std::string path = directory + "Familie.asc";
    fuzz::writeFile(path, bytes);
    if (data[0] % 2 == 0)
        library.Load(path, true);
    else
        QOR_FUZZ_CHECK(library.Import(path, ImportColumns, separator));
    // The file's entries, then at most the empty entry the list ends in.
    const std::vector<TVokabel>& loaded = library.Eintraege();
    QOR_FUZZ_CHECK(loaded.size() >= entries.size() && loaded.size() <= entries.size() + 1);
    QOR_FUZZ_CHECK(std::equal(entries.begin(), entries.end(), loaded.begin()));
    QOR_FUZZ_CHECK(!library.Geaendert() && library.Dateiname() == path);
    library.SortInTwoBlocks();
    library.RemoveDuplicates(false);
    library.Shuffle();
    library.Reverse();
    const LibraryCounts counts = CountLibrary(library.Eintraege());
    QOR_FUZZ_CHECK(counts.spanish.Total() + counts.german.Total() <= library.Count(true));
    std::remove(path.c_str());
    return 0;
}
