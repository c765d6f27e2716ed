// Any bytes as a pair of dictionary exchange files (split at the first zero
// byte into the "a" and the "b" file): they must read without harm, and what
// they yield must write and read back the same.

#include "FuzzCheck.h"
#include "dictionary/DictionaryExchange.h"
#include "dictionary/XDatabase.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace qor;

namespace {

DictionaryRecordSink sinkInto(TXDatabase& db) {
    return {[](std::size_t) {},
            [&db](std::string_view word, std::string_view wordClass, std::string_view meaning) {
                db.AddEntry(word, wordClass, meaning);
            }};
}

bool hasLineBreak(const DictionaryEntry& entry) {
    return entry.Vokabel.find_first_of("\r\n") != std::string::npos ||
           entry.Bedeutung.find_first_of("\r\n") != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(bytes.find('\0'), bytes.size());
    const std::string_view aFile = bytes.substr(0, split);
    const std::string_view bFile = bytes.substr(std::min(split + 1, bytes.size()));

    TXDatabase db;
    readExchangeFiles(aFile, bFile, sinkInto(db));
    const std::vector<DictionaryEntry>& entries = db.Entries(0);
    for (const DictionaryEntry& entry : entries)
        QOR_FUZZ_CHECK(entry.Wortart >= 1 && entry.Wortart <= 6);

    TXDatabase again;
    QOR_FUZZ_CHECK(readExchangeFiles(exchangeFileText(entries, true),
                                     exchangeFileText(entries, false), sinkInto(again)));
    QOR_FUZZ_CHECK(again.Entries(0).size() == entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const DictionaryEntry& back = again.Entries(0)[i];
        QOR_FUZZ_CHECK(back.Wortart == entries[i].Wortart);
        // A line break inside a field is written as a blank.
        QOR_FUZZ_CHECK(hasLineBreak(entries[i]) || (back.Vokabel == entries[i].Vokabel &&
                                                    back.Bedeutung == entries[i].Bedeutung));
    }
    const std::string path(aFile.substr(0, 64));
    QOR_FUZZ_CHECK(exportBaseName(path).size() <= path.size());
    QOR_FUZZ_CHECK(importBaseName(path).size() <= path.size());
    return 0;
}
