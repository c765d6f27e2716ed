// Any bytes as a dictionary file, packed or plain: it must read without
// harm; what it yields must pack and read back the same (plain files are
// saved packed too); and the dictionary built from it must search, look up,
// check, sort and show results without harm. The file is then loaded as at
// start-up, changed and saved as at the end of a run: what is saved loads
// again the same, and a damaged file is kept beside it as it was.

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "core/CommandPage.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/XDatabase.h"
#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Zlib.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace qor;

namespace {

struct NoPage : CommandPage {
    void loadPage(const std::string&) override {}
    std::string currentPageFile() const override { return {}; }
    void reloadPage() override {}
    void setPageDefine(const std::string&, const std::string&) override {}
    std::string pageDefine(const std::string&) const override { return {}; }
    void setPageCondition(const std::string&, bool) override {}
};

DictionaryRecordSink sinkInto(TXDatabase& db) {
    return {[](std::size_t) {},
            [&db](std::string_view word, std::string_view wordClass, std::string_view meaning) {
                db.AddEntry(word, wordClass, meaning);
            }};
}

bool sameEntries(const std::vector<DictionaryEntry>& a, const std::vector<DictionaryEntry>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Vokabel != b[i].Vokabel || a[i].Bedeutung != b[i].Bedeutung ||
            a[i].Wortart != b[i].Wortart)
            return false;
    return true;
}

void exercise(TXDatabase& db, std::string_view bytes) {
    const std::string text(bytes.substr(0, 12));
    NoPage page;
    db.PageSearch(page, text, bytes.size() % 2 == 0);
    QOR_FUZZ_CHECK(db.ResultCount() <= TXDatabase::MaxResultsBothDirections);
    db.ShowSearchResults(page, static_cast<int>(bytes.size() % 30) - 1);
    db.Search(text, {.WholeWord = true, .German = true, .BothDirections = false});
    if (db.Count() == 0)
        return;
    const DictionaryEntry first = db.Entries(0).front();
    db.GoToWord(first.Vokabel, first.Wortart);
    QOR_FUZZ_CHECK(db.Current() >= 0 && db.Current() < db.Count());
    QOR_FUZZ_CHECK(db.ResultEntry(db.CurrentResult()).Vokabel == db.GetWord());
    db.FindWordMeaning(first.Vokabel, first.Bedeutung);
    db.FormatMeanings(first.Bedeutung, true, true);
    db.CheckFormat();
    db.RemoveDuplicates();
    db.Sort();
    db.DeleteCurrent();
}

std::string directory;

void loadAndSave(const std::string& path, const std::string& fileBytes, const TXDatabase& expected,
                 bool complete) {
    fuzz::writeFile(path, fileBytes);
    ScriptedMessages messages;
    TXDatabase db;
    db.Load(path);
    QOR_FUZZ_CHECK(sameEntries(db.Entries(0), expected.Entries(0)));
    QOR_FUZZ_CHECK(messages.shown().empty() == complete);

    db.AddEntry("neu", "1", "nuevo");
    messages.answer(MessageResult::Yes);
    db.SaveIfChanged(false);
    const std::string saved = db.SavedFileName(0);
    QOR_FUZZ_CHECK(!saved.empty());
    TXDatabase again;
    again.Load(saved);
    QOR_FUZZ_CHECK(sameEntries(again.Entries(0), db.Entries(0)));
    const bool damaged = !complete && saved == path;
    QOR_FUZZ_CHECK(fileExists(saved + ".bak") == damaged);
    if (damaged)
        QOR_FUZZ_CHECK(readFile(saved + ".bak") == fileBytes);
    removeFile(saved + ".bak");
    removeFile(saved);
    removeFile(path);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    directory = fuzz::makeDirectory("fuzz-dictionary-file");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the reader: a packed file as it is, the content of
    // a packed file (packed here, to reach the records quickly), or a plain file.
    const int mode = data[0] % 3;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    TXDatabase db;
    const bool complete =
        mode == 2 ? readPlainDictionary(bytes, sinkInto(db))
                  : readPackedDictionary(mode == 0 ? std::string(bytes) : deflateZlib(bytes),
                                         sinkInto(db));
    // What was read is saved packed, whatever file it came from.
    if (complete) {
        TXDatabase again;
        QOR_FUZZ_CHECK(readPackedDictionary(packDictionary(db.Entries(0)), sinkInto(again)));
        // No entries pack to empty content, which reads as the one entry "_leer".
        QOR_FUZZ_CHECK(db.Count() == 0 ? again.GetWord(0) == "_leer" && again.Count() == 1
                                       : sameEntries(again.Entries(0), db.Entries(0)));
    }
    QOR_FUZZ_CHECK(db.Entries(0).size() <= MaxDictionaryEntries);
    loadAndSave(directory + (mode == 2 ? "s_d.txt" : "s_d.qor"),
                mode == 1 ? deflateZlib(bytes) : std::string(bytes), db, complete);
    exercise(db, bytes);
    return 0;
}
