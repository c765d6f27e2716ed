#pragma once
// Page files: the text of a page file as the parser takes it. Packed page
// files are zlib streams, exercise files and all other pages plain text; the
// extension decides, compared exactly (a file "a.HTX" is plain text).

#include <optional>
#include <string>
#include <string_view>

namespace qor {

// The page text of one page file, terminated for the parser: the text ends
// in CR and is followed by a NUL byte.
class THTMLStream {
public:
    void clear() { bytes_.clear(); }
    void append(std::string_view bytes) { bytes_.append(bytes); }

    // Appends a CR unless the text already ends in one, then the NUL.
    void terminate();

    // The bytes including the terminating CR and NUL once terminated. The
    // parser marks word ends in place, so it may write into them.
    const std::string& bytes() const { return bytes_; }
    std::string& bytes() { return bytes_; }

private:
    std::string bytes_;
};

enum class PageFileKind {
    Packed,   // ".htx", ".hqor", ".rqol", ".rqo": a zlib stream
    Exercise, // ".qor": an exercise file, plain
    Plain,    // anything else
};

PageFileKind pageFileKind(std::string_view name);

// No page comes near this; a file that would unpack to more is refused
// before it can fill the memory.
constexpr std::size_t MaxPageText = 4u << 20;

// The bytes of a page file, unpacked when its extension says so. An
// unreadable, damaged or oversized file shows a message saying why and
// gives nothing.
std::optional<std::string> readPageFile(std::string_view name);

// Fills the stream with the terminated text of a page file. On failure the
// message is shown, the stream is left as it was and the result is false.
bool ReadPage(std::string_view name, THTMLStream& stream);

} // namespace qor
