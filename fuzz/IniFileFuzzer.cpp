// Any bytes as "qor.ini". The input is "section NUL key NUL value NUL text":
// the text is read as the file, the key looked up, set to the value and
// looked up again; a value set must be found, and no other value change.
// The text is then the program's "qor.ini" and read as start-up reads its
// settings: a second start reads the same and changes the file no more.

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "core/Configuration.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using namespace qor;
using namespace qor::literals;

namespace {

// Takes the text up to the next NUL off the input, or a fallback when there is none.
std::string nextField(std::string_view& input, std::string_view fallback) {
    const std::size_t end = input.find('\0');
    if (end == std::string_view::npos)
        return std::string(fallback);
    std::string field(input.substr(0, end));
    input.remove_prefix(end + 1);
    return field;
}

// A name the file format can hold as it is: no line break, no bracket, no
// "=", nothing blank at its ends.
bool plainName(const std::string& name) {
    if (name.empty() || static_cast<unsigned char>(name.front()) <= 32 ||
        static_cast<unsigned char>(name.back()) <= 32)
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '\r' || c == '\n' || c == '[' || c == ']' || c == '=' || c == ';';
    });
}

std::string directory;

struct IniSettings {
    std::string userDir;
    std::string waveDir;
    std::string lawDir;
    std::string businessDir;
    bool writeProtected = false;
    bool operator==(const IniSettings&) const = default;
};

IniSettings readSettings() {
    MemoryRegistry registry;
    Configuration config(registry, directory + "qor", directory);
    config.ReadIniSettings();
    return {config.UserDir, config.WaveDir, config.LawRecordingDir, config.BusinessRecordingDir,
            config.WriteProtected};
}

void startTwice(std::string_view text) {
    const std::string path = directory + "qor.ini";
    fuzz::writeFile(path, text);
    ScriptedMessages messages;
    const IniSettings first = readSettings();
    const std::optional<std::string> afterFirst = readFile(path);
    QOR_FUZZ_CHECK(readSettings() == first);
    QOR_FUZZ_CHECK(readFile(path) == afterFirst);
    removeFile(path);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    directory = fuzz::makeDirectory("fuzz-ini-file");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string section = nextField(input, "*qor");
    const std::string key = nextField(input, "Benutzer-Verzeichnis");
    const std::string value = nextField(input, "/home/ana/qor/");

    startTwice(input);
    std::vector<std::string> lines = IniFile::splitLines(input);
    (void)IniFile::findValue(lines, section, key);

    const std::string otherSection = "Andere Sektion";
    const std::string otherKey = "Anderer Schlüssel"_cp;
    const bool sameSection = equalsIgnoreCase(section, otherSection);
    const std::optional<std::string> other = IniFile::findValue(lines, otherSection, otherKey);

    IniFile::setValue(lines, section, key, value);
    const std::optional<std::string> found = IniFile::findValue(lines, section, key);
    if (plainName(section) && plainName(key))
        QOR_FUZZ_CHECK(found.has_value());
    if (!sameSection)
        QOR_FUZZ_CHECK(IniFile::findValue(lines, otherSection, otherKey) == other);
    return 0;
}
