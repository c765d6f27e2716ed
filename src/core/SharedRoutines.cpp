#include "core/SharedRoutines.h"

#include "platform/FileSystem.h"
#include "platform/Random.h"
#include "platform/Text.h"

#include <array>

namespace qor {
using namespace literals;

const char* const InvalidFileNameChars = "/\\*:<>|?\"";

namespace {

// Each row is a cycle; the last character leads back to the first.
const std::array<std::string, 15>& accentRows() {
    static const std::array<std::string, 15> rows = {
        "aáàâäæ"_cp, "AÁÀÂÄÆ"_cp, "eéèêë"_cp,  "EÉÈÊË"_cp, "iíìîï"_cp,
        "IÍÌÎÏ"_cp,  "oóòôöœ"_cp, "OÓÒÔÖŒ"_cp, "uúùûü"_cp, "UÚÙÛÜ"_cp,
        "nñ"_cp,     "NÑ"_cp,     "cç"_cp,     "CÇ"_cp,    "?¿!¡"_cp,
    };
    return rows;
}

bool staysInHint(char c) {
    return c == ' ' || c == '-' || c == ',' || c == '.' || c == '!' || c == '?' || c == '\'';
}

void countFiles(const std::string& dir, std::string_view ext1, std::string_view ext2, int& count,
                std::vector<std::string>* list) {
    for (const DirectoryEntry& entry : listDirectory(dir)) {
        const std::string path = dir + entry.name;
        if (entry.isDirectory) {
            countFiles(path + "/", ext1, ext2, count, list);
            continue;
        }
        const std::string ext = lowerCase(extractFileExt(entry.name));
        if (ext == ext1 || (!ext2.empty() && ext == ext2)) {
            ++count;
            if (list)
                list->push_back(path);
        }
    }
}

} // namespace

char CycleAccent(char c) {
    for (const std::string& row : accentRows()) {
        const auto at = row.find(c);
        if (at != std::string::npos)
            return row[(at + 1) % row.size()];
    }
    return 0;
}

bool HasInvalidFileNameChar(std::string_view name) {
    return name.find_first_of(InvalidFileNameChars) != std::string_view::npos;
}

std::string MaskWithDots(std::string_view text) {
    const std::size_t length = text.size();
    if (length <= 2)
        return std::string(length, '.');
    std::string hint(text);
    // 1-based positions 2 .. last: a three-character text is masked to its
    // end, a longer one keeps its last character.
    const std::size_t last = length == 3 ? 3 : length - 1;
    for (std::size_t position = 2; position <= last; ++position) {
        char& c = hint[position - 1];
        if (staysInHint(c))
            continue;
        if (position <= 4 || Random(5) != 3)
            c = '.';
    }
    return hint;
}

int CountFilesWithExtension(std::string_view dir, std::string_view ext1, std::string_view ext2,
                            std::vector<std::string>* list) {
    if (!directoryExists(dir))
        return 0;
    int count = 0;
    countFiles(includeTrailingSeparator(dir), ext1, ext2, count, list);
    return count;
}

Color SwapRedBlue(Color color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

} // namespace qor
