#pragma once
// The editor's colour scheme: font, bold, three font sizes (by window height)
// and seven background colours, kept in a small text file "<name>.ed" in the
// folder "editor/" of the program directory:
//
//   SCHRIFT=Arial
//   FETT=0
//   SIZE1=9            window heights 480-533
//   SIZE2=10           534-700
//   SIZE3=14           all others
//   FARBE1=#DDE6EE     RRGGBB; colours 1..7 as listed below

#include "graphics/Color.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The colours of a scheme, by their place in the file (FARBE1 .. FARBE7).
namespace SchemeColor {
constexpr int LeftPanel = 0;       // background of the left panel
constexpr int EntryList = 1;       // the entry list
constexpr int ButtonStrip = 2;     // the button strip of the left panel
constexpr int EntryFrame = 3;      // the entry frame
constexpr int EntryFields = 4;     // word, class, difficulty, meanings, contexts
constexpr int DictionaryPanel = 5; // the dictionary panel
constexpr int DictionaryFields = 6;
} // namespace SchemeColor

struct EditorScheme {
    std::string FontName; // empty: the window's font
    bool Bold = false;
    std::array<int, 3> Sizes{9, 10, 14};
    std::array<Color, 7> Colors{};
    bool SchemaGeaendert = false; // changed since it was read
};

// The name of the scheme that is used when none is chosen.
inline constexpr const char* DefaultSchemeName = "default";

// ProgramDir + "editor/".
std::string SchemeDirectory(const std::string& programDir);
// The file of a named scheme: SchemeDirectory + name + ".ed".
std::string SchemeFile(const std::string& programDir, const std::string& name);
// The names (without ".ed") of the scheme files in the scheme directory,
// except "default", in name order.
std::vector<std::string> SchemeNames(const std::string& programDir);

// Reads the file into scheme when it exists; fontInstalled tells whether a
// font family is installed ("Arial" is taken otherwise). A missing file
// changes nothing and says nothing. A file that cannot be read or is no text
// (binary junk) changes nothing either, but the user is told. True when the
// file was read; SchemaGeaendert is then false.
bool ReadScheme(const std::string& path, EditorScheme& scheme,
                const std::function<bool(const std::string&)>& fontInstalled);
// Writes the scheme safely (the old file stays whole on failure); false on failure.
bool WriteScheme(const std::string& path, const EditorScheme& scheme);
// The scheme as file text.
std::string SchemeText(const EditorScheme& scheme);

// The height class of an editor window: 0 for 480..533 pixels, 1 for
// 534..700, 2 for all others; it selects the font size.
int SchemeSizeClass(int windowHeight);
int SchemeFontSize(const EditorScheme& scheme, int windowHeight);

// The entry fields get a border only when their colour equals the entry
// frame's or is white.
bool EntryFieldsFramed(const EditorScheme& scheme);

// "RRGGBB" of a colour (0x00BBGGRR), and back; nothing when text is no
// hexadecimal number of at most six digits.
std::string ColorHex(Color color);
std::optional<Color> ColorFromHex(std::string_view text);

} // namespace qor
