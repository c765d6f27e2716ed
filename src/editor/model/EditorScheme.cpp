#include "editor/model/EditorScheme.h"

#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <charconv>

namespace qor {

namespace {

constexpr std::size_t MaxValueLength = 255;
constexpr Color UnmarkedColor = rgbColor(0xC0, 0xC0, 0xC0); // value without "#"
constexpr Color BadDigitsColor = rgbColor(0x00, 0x00, 0xFF);

// A whole number from minimum to maximum, else the fallback.
int sizeValue(std::string_view value, int fallback) {
    int number = 0;
    const auto* end = value.data() + value.size();
    const auto [rest, error] = std::from_chars(value.data(), end, number);
    if (value.empty() || error != std::errc() || rest != end || number < 6 || number > 14)
        return fallback;
    return number;
}

Color colorValue(std::string_view value) {
    if (value.empty() || value.front() != '#')
        return UnmarkedColor;
    return ColorFromHex(value.substr(1)).value_or(BadDigitsColor);
}

// Text files hold no control characters but tabs and line ends; anything
// else means the file is no scheme and its values would be junk.
bool looksLikeText(std::string_view content) {
    for (const char c : content) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

void readLine(std::string_view line, EditorScheme& scheme,
              const std::function<bool(const std::string&)>& fontInstalled) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return;
    const std::string key = upperCase(TrimBlanks(line.substr(0, equals)));
    // Trimmed again after the cut, which may leave blanks at the end that
    // the file would not give back once written.
    const std::string_view value =
        TrimBlanks(TrimBlanks(line.substr(equals + 1)).substr(0, MaxValueLength));
    if (key == "SCHRIFT") {
        // The name keeps its case: it is shown and written back as given.
        const std::string font(value);
        scheme.FontName = fontInstalled(font) ? font : "Arial";
    } else if (key == "FETT") {
        scheme.Bold = value == "1";
    } else if (key.size() == 5 && key.starts_with("SIZE") && key[4] >= '1' && key[4] <= '3') {
        const int index = key[4] - '1';
        scheme.Sizes[index] = sizeValue(value, EditorScheme{}.Sizes[index]);
    } else if (key.size() == 6 && key.starts_with("FARBE") && key[5] >= '1' && key[5] <= '7') {
        scheme.Colors[key[5] - '1'] = colorValue(upperCase(value));
    }
}

} // namespace

std::string SchemeDirectory(const std::string& programDir) {
    return includeTrailingSeparator(programDir) + "editor/";
}

std::string SchemeFile(const std::string& programDir, const std::string& name) {
    return SchemeDirectory(programDir) + name + ".ed";
}

std::vector<std::string> SchemeNames(const std::string& programDir) {
    std::vector<std::string> names;
    for (const auto& entry : listDirectory(SchemeDirectory(programDir))) {
        if (entry.isDirectory || !equalsIgnoreCase(extractFileExt(entry.name), ".ed"))
            continue;
        std::string name = changeFileExt(entry.name, "");
        if (!equalsIgnoreCase(name, DefaultSchemeName))
            names.push_back(std::move(name));
    }
    return names;
}

bool ReadScheme(const std::string& path, EditorScheme& scheme,
                const std::function<bool(const std::string&)>& fontInstalled) {
    if (!fileExists(path))
        return false;
    const auto content = readFile(path);
    if (!content || !looksLikeText(*content)) {
        const std::string name = "\"" + extractFileName(path) + "\"";
        AppMessage((content ? "Die Datei " + name + " ist kein Farbschema des Editors."
                            : "Das Farbschema " + name + " konnte nicht gelesen werden.") +
                   "\r\nEs bleibt bei den bisherigen Farben.");
        return false;
    }
    std::string_view rest = *content;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        readLine(rest.substr(0, end), scheme, fontInstalled);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    scheme.SchemaGeaendert = false;
    return true;
}

std::string SchemeText(const EditorScheme& scheme) {
    std::string text = "SCHRIFT=" + scheme.FontName + "\r\n";
    text += scheme.Bold ? "FETT=1\r\n" : "FETT=0\r\n";
    for (std::size_t i = 0; i < scheme.Sizes.size(); ++i)
        text += "SIZE" + std::to_string(i + 1) + "=" + std::to_string(scheme.Sizes[i]) + "\r\n";
    for (std::size_t i = 0; i < scheme.Colors.size(); ++i)
        text += "FARBE" + std::to_string(i + 1) + "=#" + ColorHex(scheme.Colors[i]) + "\r\n";
    return text;
}

bool WriteScheme(const std::string& path, const EditorScheme& scheme) {
    return writeFileAtomic(path, SchemeText(scheme));
}

int SchemeSizeClass(int windowHeight) {
    if (windowHeight >= 480 && windowHeight <= 533)
        return 0;
    if (windowHeight >= 534 && windowHeight <= 700)
        return 1;
    return 2;
}

int SchemeFontSize(const EditorScheme& scheme, int windowHeight) {
    return scheme.Sizes[SchemeSizeClass(windowHeight)];
}

bool EntryFieldsFramed(const EditorScheme& scheme) {
    const Color fields = scheme.Colors[SchemeColor::EntryFields];
    return fields == scheme.Colors[SchemeColor::EntryFrame] || fields == ColorValue::White;
}

std::string ColorHex(Color color) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    const int red = color & 0xFF;
    const int green = (color >> 8) & 0xFF;
    const int blue = (color >> 16) & 0xFF;
    std::string text;
    for (const int part : {red, green, blue}) {
        text += Digits[part >> 4];
        text += Digits[part & 0xF];
    }
    return text;
}

std::optional<Color> ColorFromHex(std::string_view text) {
    unsigned value = 0;
    const auto* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value, 16);
    if (text.empty() || text.size() > 6 || error != std::errc() || rest != end)
        return std::nullopt;
    return rgbColor(static_cast<int>(value >> 16), static_cast<int>(value >> 8),
                    static_cast<int>(value));
}

} // namespace qor
