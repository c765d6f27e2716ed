#pragma once
// The two file formats of the sound database. The packed one (".qor",
// ".rqo") is one zlib stream of zero-terminated Windows-1252 strings, text
// and reference of every entry in turn; the plain one (any other extension,
// read only) holds the same two strings per entry as lines.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct SoundEntry {
    std::string Text;  // the word, meaning or sentence spoken
    std::string Datei; // the reference of its recording ("XS:\...", "XU:\...", or a path)
};

struct WaveBaseContent {
    std::vector<SoundEntry> entries;
    bool complete = true; // false: the file was damaged and only its readable part is here
};

// ".qor" and ".rqo", compared exactly, name the packed format.
bool isPackedWaveBaseName(std::string_view path);

// No database comes near this; a file that would unpack to more is damaged,
// so that it cannot fill the memory.
constexpr std::size_t MaxWaveBaseContent = std::size_t{64} << 20;

// The entries of a packed file. An empty file is an empty database. A damaged
// stream (or one unpacking to more than MaxWaveBaseContent) yields the entries
// of its readable part; a string cut off by the damage is dropped.
WaveBaseContent parsePackedWaveBase(std::string_view fileBytes);

// The entries of a plain file: lines in pairs (CR LF or LF), a last odd line
// gets an empty reference; zero bytes are left out.
WaveBaseContent parsePlainWaveBase(std::string_view fileBytes);

// The packed file of entries, in their order.
std::string packWaveBase(const std::vector<SoundEntry>& entries);

} // namespace qor
