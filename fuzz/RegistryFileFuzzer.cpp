// Any bytes as the settings file that stands in for the registry: it must
// read without harm, and what it reads must write out and read back the
// same. The file is then the program's registry.ini: the store reads it as
// the parser does, a value written reaches the file, and a later run reads
// all of it back; a damaged file is kept beside the new one as it was.

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace qor;

namespace {

std::string directory;

void storeInFile(std::string_view text, const MemoryRegistry& parsed) {
    const std::string path = directory + "registry.ini";
    fuzz::writeFile(path, text);
    ScriptedMessages messages;
    {
        FileRegistry store(path);
        QOR_FUZZ_CHECK(store.toText() == parsed.toText());
        QOR_FUZZ_CHECK(store.writeString("SOFTWARE\\QOR\\qor spanisch\\Verzeichnisse", "HQOR",
                                         "/home/ana/qor/"));
        FileRegistry later(path);
        QOR_FUZZ_CHECK(later.toText() == store.toText());
    }
    if (const std::optional<std::string> kept = readFile(path + ".bak"))
        QOR_FUZZ_CHECK(*kept == text);
    removeFile(path + ".bak");
    removeFile(path);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    directory = fuzz::makeDirectory("fuzz-registry-file");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const MemoryRegistry store = MemoryRegistry::parse(text);
    const std::string written = store.toText();
    QOR_FUZZ_CHECK(MemoryRegistry::parse(written).toText() == written);
    storeInFile(text, store);
    return 0;
}
