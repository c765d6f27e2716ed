#pragma once
// A Windows-style ini file ("qor.ini"): Windows-1252 text, CR LF lines,
// sections and keys compared case-insensitively and written back exactly as
// they stand. Values lose surrounding blanks and one pair of double quotes
// around them. Reading never creates the file; each write goes to disk at
// once (atomically), keeping every other line of the file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class IniFile {
public:
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }
    bool exists() const;

    bool valueExists(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) const;
    // A value that is no decimal integer reads as the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;

    // False when the file could not be written.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInteger(std::string_view section, std::string_view key, int value);

    // The pieces the file operations are made of, working on the text alone
    // (also for tests and fuzzing). Lines end in CR LF or LF alone.
    static std::vector<std::string> splitLines(std::string_view text);
    static std::optional<std::string> findValue(const std::vector<std::string>& lines,
                                                std::string_view section, std::string_view key);
    // Replaces the key's value where it stands, or adds the key at the end of
    // its section, or the section at the end.
    static void setValue(std::vector<std::string>& lines, std::string_view section,
                         std::string_view key, std::string_view value);

private:
    std::vector<std::string> readLines() const;
    std::optional<std::string> lookUp(std::string_view section, std::string_view key) const;

    std::string path_;
};

} // namespace qor
