#pragma once
// A Windows-style ini file ("qor.ini"): Windows-1252 text, CR LF lines,
// sections and keys compared case-insensitively and written back exactly as
// they stand. Reading never creates the file; each write goes to disk at once
// (atomically), keeping every other line of the file.

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

private:
    std::vector<std::string> readLines() const;
    std::optional<std::string> lookUp(std::string_view section, std::string_view key) const;

    std::string path_;
};

} // namespace qor
