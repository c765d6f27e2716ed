// Any bytes as an editor colour scheme ("<name>.ed"), read as the editor
// reads it; a scheme read must write and read back the same, and choose a
// font size for every window height.

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "editor/model/EditorScheme.h"
#include "platform/ScriptedMessages.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace qor;

namespace {

std::string directory;

bool sameScheme(const EditorScheme& a, const EditorScheme& b) {
    return a.FontName == b.FontName && a.Bold == b.Bold && a.Sizes == b.Sizes &&
           a.Colors == b.Colors;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    directory = fuzz::makeDirectory("fuzz-editor-scheme");
    if (mkdir(SchemeDirectory(directory).c_str(), 0700) != 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = SchemeFile(directory, "Fuzz");
    fuzz::writeFile(path, std::string_view(reinterpret_cast<const char*>(data), size));

    ScriptedMessages messages;
    // Some fonts are missing, as on any machine.
    const auto installed = [](const std::string& font) {
        return font.find('x') == std::string::npos;
    };
    EditorScheme scheme;
    if (ReadScheme(path, scheme, installed)) {
        QOR_FUZZ_CHECK(!scheme.SchemaGeaendert);
        QOR_FUZZ_CHECK(WriteScheme(path, scheme));
        EditorScheme again;
        QOR_FUZZ_CHECK(ReadScheme(path, again, installed));
        QOR_FUZZ_CHECK(sameScheme(again, scheme));
    }
    for (const int height : {0, 480, 533, 534, 700, 701})
        QOR_FUZZ_CHECK(SchemeFontSize(scheme, height) >= 1);
    (void)EntryFieldsFramed(scheme);
    QOR_FUZZ_CHECK(SchemeNames(directory).size() == 1);
    std::remove(path.c_str());
    return 0;
}
